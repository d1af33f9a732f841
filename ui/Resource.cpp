#include "ui/Resource.h"

const char* LoadResourceString(unsigned nId) {
    switch (nId) {
    case IDS_ABOUTBOX:
        return "&About Verlo...";
    default:
        return "";
    }
}
