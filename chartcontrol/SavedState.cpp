#include "chartcontrol/SavedState.h"

#include <optional>
#include <variant>
#include <vector>

namespace {

// A bounds-checked reader over a byte range: every read says whether it fitted.
class CByteReader {
public:
    CByteReader(const std::uint8_t* pData, std::size_t nSize) : m_pData(pData), m_nSize(nSize) {}

    bool ReadU8(std::uint8_t& nValue) {
        if (m_nPos + 1 > m_nSize)
            return false;
        nValue = m_pData[m_nPos++];
        return true;
    }
    bool ReadLE(std::size_t nBytes, std::uint32_t& nValue) {
        if (nBytes > m_nSize - m_nPos)
            return false;
        nValue = 0;
        for (std::size_t i = 0; i < nBytes; ++i)
            nValue |= static_cast<std::uint32_t>(m_pData[m_nPos + i]) << (8 * i);
        m_nPos += nBytes;
        return true;
    }
    bool ReadBytes(std::size_t nBytes, std::string& strValue) {
        if (nBytes > m_nSize - m_nPos)
            return false;
        strValue.assign(reinterpret_cast<const char*>(m_pData + m_nPos), nBytes);
        m_nPos += nBytes;
        return true;
    }
    bool Skip(std::size_t nBytes) {
        if (nBytes > m_nSize - m_nPos)
            return false;
        m_nPos += nBytes;
        return true;
    }
    // A length byte and that many 8-bit characters.
    bool ReadShortString(std::string& strValue) {
        std::uint8_t nLength = 0;
        return ReadU8(nLength) && ReadBytes(nLength, strValue);
    }
    const std::uint8_t* Here() const { return m_pData + m_nPos; }

private:
    const std::uint8_t* m_pData;
    std::size_t m_nSize;
    std::size_t m_nPos = 0;
};

enum EValueType : std::uint8_t {
    VA_NULL = 0x00,
    VA_LIST = 0x01,
    VA_INT8 = 0x02,
    VA_INT16 = 0x03,
    VA_INT32 = 0x04,
    VA_STRING = 0x06,
    VA_IDENT = 0x07,
    VA_FALSE = 0x08,
    VA_TRUE = 0x09,
};

using CValue = std::variant<std::monostate, long, bool, std::string, std::vector<std::string>>;

constexpr int MAX_LIST_DEPTH = 16;

bool ReadValue(CByteReader& reader, std::uint8_t nType, CValue& value, int nDepth);

bool ReadList(CByteReader& reader, CValue& value, int nDepth) {
    if (nDepth > MAX_LIST_DEPTH)
        return false;
    std::vector<std::string> items;
    for (;;) {
        std::uint8_t nType = 0;
        if (!reader.ReadU8(nType))
            return false;
        if (nType == VA_NULL)
            break;
        CValue item;
        if (!ReadValue(reader, nType, item, nDepth + 1))
            return false;
        // Only lists of texts mean something to the chart; other items are passed over.
        if (const std::string* pText = std::get_if<std::string>(&item))
            items.push_back(*pText);
    }
    value = std::move(items);
    return true;
}

bool ReadValue(CByteReader& reader, std::uint8_t nType, CValue& value, int nDepth) {
    std::uint32_t nRaw = 0;
    std::string strText;
    switch (nType) {
    case VA_LIST:
        return ReadList(reader, value, nDepth);
    case VA_INT8:
    case VA_INT16:
    case VA_INT32: {
        // Little-endian two's complement of 1, 2 or 4 bytes.
        const std::size_t nBytes = nType == VA_INT8 ? 1 : nType == VA_INT16 ? 2 : 4;
        if (!reader.ReadLE(nBytes, nRaw))
            return false;
        const std::uint32_t nSignBit = 1u << (8 * nBytes - 1);
        value = static_cast<long>(static_cast<std::int64_t>(nRaw ^ nSignBit) -
                                  static_cast<std::int64_t>(nSignBit));
        return true;
    }
    case VA_STRING:
    case VA_IDENT:
        if (!reader.ReadShortString(strText))
            return false;
        value = std::move(strText);
        return true;
    case VA_FALSE:
    case VA_TRUE:
        value = nType == VA_TRUE;
        return true;
    default:
        // A type whose size we do not know: nothing after it can be read safely.
        return false;
    }
}

void ApplyProperty(const std::string& strName, const CValue& value, SChartModel& model) {
    const long* pNumber = std::get_if<long>(&value);
    const bool* pFlag = std::get_if<bool>(&value);
    const auto* pLines = std::get_if<std::vector<std::string>>(&value);
    struct SNumberProperty {
        const char* pszName;
        int SChartModel::*pMember;
    };
    static const SNumberProperty numbers[] = {
        {"Left", &SChartModel::nLeft},
        {"Top", &SChartModel::nTop},
        {"Width", &SChartModel::nWidth},
        {"Height", &SChartModel::nHeight},
        {"View3DOptions.HorizOffset", &SChartModel::nHorizOffset},
        {"View3DOptions.OrthoAngle", &SChartModel::nOrthoAngle},
        {"View3DOptions.Perspective", &SChartModel::nPerspective},
    };
    for (const SNumberProperty& property : numbers) {
        if (pNumber && strName == property.pszName)
            model.*property.pMember = static_cast<int>(*pNumber);
    }
    if (pFlag && strName == "View3D")
        model.bView3D = *pFlag;
    if (pLines && strName == "Title.Text.Strings")
        model.header = *pLines;
}

SStatus Damaged(std::string strWhat) {
    return SStatus::Failed(ECause::NoChart, std::move(strWhat));
}

} // namespace

SStatus LoadChartStateFromStream(const std::uint8_t* pData, std::size_t nSize, SChartModel& model) {
    CByteReader reader(pData, nSize);
    std::string strSignature, strClass, strObject;
    if (!reader.ReadBytes(4, strSignature) || strSignature != "TPF0") {
        return Damaged("the saved chart state does not begin with its signature");
    }
    if (!reader.ReadShortString(strClass) || !reader.ReadShortString(strObject)) {
        return Damaged("the saved chart state ends inside its class or object name");
    }
    // Applied only once the whole stream has been read: a damaged stream changes nothing.
    std::vector<std::pair<std::string, CValue>> properties;
    for (;;) {
        std::string strName;
        std::uint8_t nType = 0;
        if (!reader.ReadShortString(strName)) {
            return Damaged("the saved chart state ends inside its property list");
        }
        if (strName.empty())
            break;
        CValue value;
        if (!reader.ReadU8(nType) || !ReadValue(reader, nType, value, 0)) {
            return Damaged("the saved chart property \"" + strName + "\" is damaged or truncated");
        }
        properties.emplace_back(std::move(strName), std::move(value));
    }
    std::uint8_t nChildrenEnd = 0xFF;
    if (!reader.ReadU8(nChildrenEnd) || nChildrenEnd != VA_NULL) {
        return Damaged("the saved chart state lists child objects the chart does not have");
    }
    for (const auto& [strName, value] : properties)
        ApplyProperty(strName, value, model);
    return {};
}

SStatus LoadChartStateFromDialogInit(const std::uint8_t* pData, std::size_t nSize, int nControlId,
                                     SChartModel& model) {
    // The whole list is walked to its end marker first: a damaged list loads nothing.
    CByteReader reader(pData, nSize);
    const std::uint8_t* pStream = nullptr;
    std::size_t nStreamSize = 0;
    bool bFound = false;
    for (;;) {
        std::uint32_t nId = 0, nMessage = 0, nLength = 0;
        if (!reader.ReadLE(2, nId)) {
            return Damaged("the dialog's control records end without their end marker");
        }
        if (nId == 0)
            break;
        const std::uint8_t* pRecord = nullptr;
        if (!reader.ReadLE(2, nMessage) || !reader.ReadLE(4, nLength) ||
            !(pRecord = reader.Here(), reader.Skip(nLength))) {
            return Damaged("a control record of the dialog is truncated");
        }
        if (static_cast<int>(nId) != nControlId || bFound)
            continue;
        // The record data begin with a 32-bit field of the record itself; the rest is the
        // stream.
        if (nMessage != DLGINIT_LOAD_STREAM || nLength < 4) {
            return Damaged("the chart's control record holds no state stream");
        }
        bFound = true;
        pStream = pRecord + 4;
        nStreamSize = nLength - 4;
    }
    if (!bFound) {
        return Damaged("the dialog has no saved state for control " + std::to_string(nControlId));
    }
    return LoadChartStateFromStream(pStream, nStreamSize, model);
}
