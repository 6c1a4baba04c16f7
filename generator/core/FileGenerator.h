#pragma once
// A text built line by line and saved as it stands.

#include <string>
#include <vector>

class FileGenerator {
public:
    // printf into a 1024-byte buffer (a longer result is cut) and append it as one text.
    void AddFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Saves every text in order, unchanged; false when anything failed.
    bool SaveToFile(const std::string& fileName) const;
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};
