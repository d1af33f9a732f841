#include "data/ThreeCorneredHat.h"

SHatVariances HatVariances(double dAB, double dAC, double dBC) {
    return {(dAB + dAC - dBC) / 2.0, (dAB + dBC - dAC) / 2.0, (dAC + dBC - dAB) / 2.0};
}
