#include "report/json_out.h"

#include <stdio.h>

namespace devcap_tool {

std::string JsonOut::Escape(const std::string &str) {
    std::string r = "\"";
    for (unsigned char c : str) {
        switch (c) {
            case '"': r += "\\\""; break;
            case '\\': r += "\\\\"; break;
            case '\n': r += "\\n"; break;
            case '\r': r += "\\r"; break;
            case '\t': r += "\\t"; break;
            default:
                if (c < 0x20 || c >= 0x7f) {
                    // Bytes outside printable ASCII: escaped one by one, so the
                    // document stays valid whatever a file held.
                    char acBuf[8];
                    snprintf(acBuf, sizeof(acBuf), "\\u%04x", c);
                    r += acBuf;
                } else {
                    r += static_cast<char>(c);
                }
        }
    }
    return r + "\"";
}

void JsonOut::NewLine() {
    m_str += '\n';
    m_str.append(2 * m_first.size(), ' ');
}

void JsonOut::Key(const std::string &strKey) {
    if (!m_first.empty()) {
        if (!m_first.back()) m_str += ",";
        m_first.back() = false;
        NewLine();
        if (m_isObject.back()) m_str += Escape(strKey) + ": ";
    }
}

void JsonOut::BeginObject(const std::string &strKey) {
    Key(strKey);
    m_str += "{";
    m_first.push_back(true);
    m_isObject.push_back(true);
}

void JsonOut::BeginArray(const std::string &strKey) {
    Key(strKey);
    m_str += "[";
    m_first.push_back(true);
    m_isObject.push_back(false);
}

void JsonOut::EndObject() { End('}'); }

void JsonOut::EndArray() { End(']'); }

void JsonOut::End(char cClose) {
    bool bEmpty = m_first.back();
    m_first.pop_back();
    m_isObject.pop_back();
    if (!bEmpty) NewLine();
    m_str += cClose;
    if (m_first.empty()) m_str += "\n";
}

void JsonOut::Int(const std::string &strKey, long long ll) {
    Key(strKey);
    m_str += std::to_string(ll);
}

void JsonOut::Double(const std::string &strKey, double d) {
    Key(strKey);
    char acBuf[64];
    snprintf(acBuf, sizeof(acBuf), "%.15g", d);
    std::string s = acBuf;
    // JSON has no inf or nan.
    if (s.find_first_not_of("0123456789.eE+-") != std::string::npos) s = "null";
    m_str += s;
}

void JsonOut::Bool(const std::string &strKey, bool b) {
    Key(strKey);
    m_str += b ? "true" : "false";
}

void JsonOut::Null(const std::string &strKey) {
    Key(strKey);
    m_str += "null";
}

void JsonOut::String(const std::string &strKey, const std::string &str) {
    Key(strKey);
    m_str += Escape(str);
}

}  // namespace devcap_tool
