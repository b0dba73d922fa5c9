// A small writer of indented JSON whose members keep the order they are
// written in, so that two dumps of one tree are byte for byte the same.
#pragma once

#include <string>
#include <vector>

namespace devcap_tool {

class JsonOut {
public:
    // Containers: a key is given inside an object, none inside an array.
    void BeginObject(const std::string &strKey = "");
    void EndObject();
    void BeginArray(const std::string &strKey = "");
    void EndArray();
    void Int(const std::string &strKey, long long ll);
    void Double(const std::string &strKey, double d);
    void Bool(const std::string &strKey, bool b);
    void Null(const std::string &strKey);
    void String(const std::string &strKey, const std::string &str);
    const std::string &Text() const { return m_str; }

    static std::string Escape(const std::string &str);

private:
    // A line break indented to the current depth.
    void NewLine();
    void Key(const std::string &strKey);
    // Close the innermost container with cClose.
    void End(char cClose);
    std::string m_str;
    std::vector<bool> m_first;  // per open container: nothing written yet
    std::vector<bool> m_isObject;
};

}  // namespace devcap_tool
