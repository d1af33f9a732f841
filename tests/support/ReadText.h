#pragma once

#include "data/PlotData.h"

#include <sstream>
#include <stdexcept>

// Runs the reader over an in-memory text, NUL bytes included.
inline void ReadText(CPlotData& data, const std::string& text) {
    // fmemopen takes no empty buffer.
    std::unique_ptr<FILE, int (*)(FILE*)> pStream(
        text.empty() ? std::tmpfile() : fmemopen(const_cast<char*>(text.data()), text.size(), "r"),
        &std::fclose);
    if (!pStream)
        throw std::runtime_error("the text cannot be read as a stream");
    data.ReadFromStream(pStream.get());
}

// The store is about 800 KB: keep it off the test's stack.
inline std::unique_ptr<CPlotData> ReadNew(const std::string& text, int nMaxPoints = MAX_POINTS) {
    auto pData = std::make_unique<CPlotData>(nMaxPoints);
    ReadText(*pData, text);
    return pData;
}

// Every field of the store and of its report, numbers to the bit: what two reads of one input
// must agree on.
inline std::string Everything(const CPlotData& data) {
    std::ostringstream out;
    out << std::hexfloat;
    const CReadReport& r = data.GetReadReport();
    for (int g = 0; g < MAX_GRAPHS; ++g) {
        out << "\nG" << g << data.GetSubtitle(g) << ' ' << data.GetSetCount(g) << ' '
            << data.GetMaxY(g) << ' ' << r.nOpenSetLine[g] << ' ' << r.nFirstDataLine[g];
        for (long long nIssues : r.nIssues[g])
            out << ' ' << nIssues;
        for (int s = 0; s < MAX_SETS; ++s) {
            out << "\nS" << s << data.GetLegend(g, s) << ' ' << r.nCountedFromLine[g][s] << ':';
            for (int i = 0; i < data.GetPointCount(g, s); ++i)
                out << ' ' << data.GetX(g, s, i) << ',' << data.GetY(g, s, i) << '@'
                    << data.GetLine(g, s, i);
            for (const SLineJump& jump : r.lineJumps[g][s])
                out << " J" << jump.nSlot << '@' << jump.nLine;
        }
    }
    out << '\n'
        << r.bReadFailed << r.nLines << ' ' << r.digest.Start() << '-' << r.digest.End() << ':'
        << r.digest.Value() << ' ' << r.bEndsWithLineFeed << ' ' << r.nLargestSet << ' '
        << r.nUnterminatedGraph << r.nUnterminatedSet << r.nStrayGraph << r.nStraySet
        << r.nBeforeFirstSetGraph << ' ' << r.nRecounts << ' ' << r.nLongLines << ' ';
    for (const SLineTally* pTally :
         {&r.pointsDropped, &r.pointsBeyondSet, &r.setsDropped, &r.graphsDropped, &r.textsDropped,
          &r.unterminated, &r.strayPoints, &r.pointsBeforeFirstSet})
        out << pTally->nCount << '@' << pTally->nFirstLine << ' ';
    for (const SLineIssue& i : r.issues)
        out << "\nI" << i.nLine << ' ' << i.nGraph << static_cast<int>(i.kind) << i.bBlank << ' '
            << i.dX << ',' << i.dY << " '" << i.szText << "'";
    for (const SRecount& c : r.recounts)
        out << "\nR" << c.nLine << ' ' << c.nGraph << c.nSet << ' ' << c.nBefore << '-' << c.nAfter;
    for (const SLongLine& l : r.longLines)
        out << "\nL" << l.nLine << ' ' << l.nLength << ' ' << l.nPieces;
    return out.str();
}
