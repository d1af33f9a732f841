#pragma once

// What a read of graph data text could not do. The store stays exactly as the reader
// rules leave it; this only lets the caller tell the user what was lost.
struct CReadReport {
    bool bOpenFailed = false; // the file could not be opened; nOpenError holds errno
    int nOpenError = 0;
    bool bReadFailed = false; // reading stopped on an error; nReadError holds errno
    int nReadError = 0;
    long long nPointsDropped = 0; // point lines beyond a graph, set or point limit
    long long nSetsDropped = 0;   // "@S" lines naming a set outside the store
    long long nGraphsDropped = 0; // "@WITH G" lines naming a graph outside the store
    long long nTextsDropped = 0;  // subtitles and legends addressed outside the store

    bool HasDrops() const {
        return nPointsDropped != 0 || nSetsDropped != 0 || nGraphsDropped != 0 ||
               nTextsDropped != 0;
    }
};
