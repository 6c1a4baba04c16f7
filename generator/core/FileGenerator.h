#pragma once
// A text built piece by piece into one growing buffer and saved as it stands.

#include <initializer_list>
#include <string>
#include <string_view>

class FileGenerator {
public:
    // printf into a 1024-byte buffer (a longer result is cut) and append it as one text.
    void AddFormat(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Appends the pieces as one text, cut as AddFormat cuts it; no formatting, for the
    // lines written once per pin.
    void Add(std::initializer_list<std::string_view> pieces);
    // Room for bytes more, so a long report grows its buffer once.
    void Reserve(std::size_t bytes) { text_.reserve(text_.size() + bytes); }
    // Saves the text with one write; false when anything failed.
    bool SaveToFile(const std::string& fileName) const;
    // Every text added, in order, unchanged.
    const std::string& Text() const { return text_; }

private:
    void CutFrom(std::size_t start);

    std::string text_;
};
