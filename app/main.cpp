#include "ArgumentList.h"
#include "DataSource.h"
#include "PlotData.h"

#include <cstdio>
#include <cstring>
#include <memory>

// Until the window exists, the viewer loads its data and prints what it found.
int main(int argc, char** argv) {
    const CArgumentList args = ArgumentsFromArgv(argc, argv);
    const SDataSource source = ChooseDataSource(args);
    if (source.kind == SDataSource::EKind::Usage) {
        std::fprintf(stderr, "%s\n", USAGE_MESSAGE);
        return 1;
    }
    auto pData = std::make_unique<CPlotData>();
    if (source.kind == SDataSource::EKind::Pipe)
        pData->ReadFromStdin();
    else
        pData->ReadFromFile(source.strPath);

    const CReadReport& report = pData->GetReadReport();
    if (report.bOpenFailed)
        std::fprintf(stderr, "verlo: cannot open '%s': %s\n", source.strPath.c_str(),
                     std::strerror(report.nOpenError));
    int nPoints = 0;
    for (int nSet = 0; nSet < pData->GetSetCount(0); ++nSet)
        nPoints += pData->GetPointCount(0, nSet);
    std::printf("graph 0: \"%s\", %d sets, %d points, largest y %g\n",
                pData->GetSubtitle(0).c_str(), pData->GetSetCount(0), nPoints, pData->GetMaxY(0));
    return 0;
}
