// TStringList: a list of text lines that tells its owner after every change.
#pragma once
#include <functional>
#include <string>
#include <vector>

class TStringList {
public:
    int Count() const { return static_cast<int>(m_lines.size()); }
    const std::string& operator[](int index) const { return m_lines[static_cast<std::size_t>(index)]; }
    const std::vector<std::string>& Lines() const { return m_lines; }

    void Add(const std::string& line) {
        m_lines.push_back(line);
        Changed();
    }
    void Clear() {
        m_lines.clear();
        Changed();
    }
    // Replaces every line; always a change, even with the same lines.
    void Assign(const std::vector<std::string>& lines) {
        m_lines = lines;
        Changed();
    }
    void Put(int index, const std::string& line) {
        m_lines.at(static_cast<std::size_t>(index)) = line;
        Changed();
    }

    // Called after each change.
    std::function<void()> OnChange;

private:
    void Changed() {
        if (OnChange) OnChange();
    }
    std::vector<std::string> m_lines;
};
