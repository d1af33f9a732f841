#include "PlotApp.h"

int main(int argc, char** argv) {
    theApp.SetCommandLine(argc, argv);
    theApp.InitInstance();
    return theApp.ExitStatus();
}
