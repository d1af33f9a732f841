#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
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

// Sends the texts of nChunks chunks to sink in their order, chunk i made by make(i, strText)
// (strText emptied, its room kept) on every core, a few chunks ahead of the one going to the
// sink on the calling thread; false when the sink failed, after which no more is made.
template <class Make>
bool MakeInOrder(std::size_t nChunks, const Make& make,
                 const std::function<bool(std::string_view)>& sink) {
    const std::size_t nThreads = RunsFor(nChunks, 2);
    const std::size_t nAhead = 4 * nThreads;
    std::vector<std::string> texts(nAhead);
    std::vector<char> made(nAhead, false);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t nNextToMake = 0;
    std::size_t nNextToSend = 0;
    bool bStop = false;
    std::exception_ptr pError;
    const auto work = [&] {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            changed.wait(lock, [&] {
                return bStop || nNextToMake == nChunks || nNextToMake < nNextToSend + nAhead;
            });
            if (bStop || nNextToMake == nChunks)
                return;
            const std::size_t nChunk = nNextToMake++;
            lock.unlock();
            std::string& strText = texts[nChunk % nAhead];
            strText.clear();
            try {
                make(nChunk, strText);
            } catch (...) {
                lock.lock();
                pError = std::current_exception();
                bStop = true;
                changed.notify_all();
                return;
            }
            lock.lock();
            made[nChunk % nAhead] = true;
            changed.notify_all();
        }
    };
    bool bSent = true;
    {
        std::vector<std::jthread> threads;
        for (std::size_t i = 0; i < nThreads; ++i)
            threads.emplace_back(work);
        for (; bSent && nNextToSend < nChunks; ++nNextToSend) {
            const std::size_t nSlot = nNextToSend % nAhead;
            {
                std::unique_lock<std::mutex> lock(mutex);
                changed.wait(lock, [&] { return made[nSlot] || bStop; });
                if (bStop)
                    break;
            }
            bSent = texts[nSlot].empty() || sink(texts[nSlot]);
            std::lock_guard<std::mutex> lock(mutex);
            made[nSlot] = false;
            bStop = !bSent;
            changed.notify_all();
        }
        std::lock_guard<std::mutex> lock(mutex);
        bStop = true;
        changed.notify_all();
    }
    if (pError)
        std::rethrow_exception(pError);
    return bSent;
}
