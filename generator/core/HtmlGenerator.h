#pragma once
// HTML elements for the pin report, one text each.

#include "FileGenerator.h"

#include <string>

class THtmlGenerator : public FileGenerator {
public:
    void BeginHtml();
    void EndHtml();
    void BeginTable(int border, const std::string& caption, const std::string& align);
    void EndTable();
    void BeginRow();
    void EndRow();
    void AddCell(const std::string& text, const std::string& align, bool header, const std::string& bgColor);
    void AddHeading(const std::string& text, int level, const std::string& align);
    void AddBreak(int count);
    void AddLink(const std::string& target, const std::string& text);
    void AddAnchor(const std::string& name, const std::string& text);
    void BeginList(bool ordered);
    void EndList(bool ordered);
    std::string ListItem(const std::string& text) const;
};
