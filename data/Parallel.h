#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <thread>
#include <vector>

// How many runs InRuns cuts nItems items into: one a core for a long enough pass, else one.
inline std::size_t RunsFor(std::size_t nItems, std::size_t nAlone) {
    const std::size_t nCores = std::max(1u, std::thread::hardware_concurrency());
    return nItems < nAlone ? 1 : nCores;
}

// Runs work(nRun, nBegin, nEnd) over the items [0, nItems) cut into nRuns runs of about equal
// length (each but the last a multiple of nGrain items), all at once, the first on the calling
// thread; returns when all are done, rethrowing what a run threw.
template <class Work>
void InRuns(std::size_t nItems, std::size_t nRuns, std::size_t nGrain, const Work& work) {
    const std::size_t nLength = (nItems / nRuns + nGrain - 1) / nGrain * nGrain;
    std::vector<std::exception_ptr> errors(nRuns);
    const auto run = [&](std::size_t nRun) {
        try {
            const std::size_t nBegin = std::min(nItems, nRun * nLength);
            work(nRun, nBegin, nRun + 1 == nRuns ? nItems : std::min(nItems, nBegin + nLength));
        } catch (...) {
            errors[nRun] = std::current_exception();
        }
    };
    {
        std::vector<std::jthread> threads;
        for (std::size_t nRun = 1; nRun < nRuns; ++nRun)
            threads.emplace_back(run, nRun);
        run(0);
    }
    for (const std::exception_ptr& pError : errors) {
        if (pError)
            std::rethrow_exception(pError);
    }
}
