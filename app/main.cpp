#include "app/PlotApp.h"

int main(int argc, char** argv) {
    theApp.SetCommandLine(argc, argv);
    theApp.InitInstance();
    return static_cast<int>(theApp.ExitStatus());
}
