#pragma once
// HTML elements for the pin report, one text each.

#include "FileGenerator.h"

#include <string>
#include <string_view>

class THtmlGenerator : public FileGenerator {
public:
    void BeginHtml();
    void EndHtml();
    void BeginTable(int border, std::string_view caption, std::string_view align);
    void EndTable();
    void BeginRow();
    void EndRow();
    void AddCell(std::string_view text, std::string_view align, bool header, std::string_view bgColor);
    void AddHeading(std::string_view text, int level, std::string_view align);
    void AddBreak(int count);
    void AddLink(std::string_view target, std::string_view text);
    void AddAnchor(std::string_view name, std::string_view text);
    void BeginList(bool ordered);
    void EndList(bool ordered);
    std::string ListItem(std::string_view text) const;
};
