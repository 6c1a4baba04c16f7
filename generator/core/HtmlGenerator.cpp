#include "HtmlGenerator.h"

#include "platform/Text.h"

void THtmlGenerator::BeginHtml() {
    AddFormat("<html>\r\n<body>\r\n");
}

void THtmlGenerator::EndHtml() {
    AddFormat("</body>\r\n</html>\r\n");
}

void THtmlGenerator::BeginTable(int border, const std::string& caption, const std::string& align) {
    AddFormat(border != 0 ? "<table border=\"3\">\r\n" : "<table>\r\n");
    if (caption.empty())
        return;
    if (!align.empty())
        AddFormat("<caption  align=\"%s\">%s</caption>\r\n", align.c_str(), caption.c_str());
    else
        AddFormat("<caption>%s</caption>\r\n", caption.c_str());
}

void THtmlGenerator::EndTable() {
    AddFormat("</table>\r\n");
}

void THtmlGenerator::BeginRow() {
    AddFormat("<tr>\r\n");
}

void THtmlGenerator::EndRow() {
    AddFormat("</tr>\r\n");
}

void THtmlGenerator::AddCell(const std::string& text, const std::string& align, bool header,
                             const std::string& bgColor) {
    const char* tag = header ? "th" : "td";
    if (!bgColor.empty())
        AddFormat("   <%s align=\"%s\" bgcolor=\"%s\">%s</%s>\r\n", tag, align.c_str(), bgColor.c_str(),
                  text.c_str(), tag);
    else
        AddFormat("   <%s align=\"%s\">%s</%s>\r\n", tag, align.c_str(), text.c_str(), tag);
}

void THtmlGenerator::AddHeading(const std::string& text, int level, const std::string& align) {
    if (!align.empty())
        AddFormat("<h%d align=\"%s\">%s</h%d>\r\n", level, align.c_str(), text.c_str(), level);
    else
        AddFormat("<h%d>%s</h%d>\r\n", level, text.c_str(), level);
}

void THtmlGenerator::AddBreak(int count) {
    for (int i = 0; i < count; ++i)
        AddFormat("<br />\r\n");
}

void THtmlGenerator::AddLink(const std::string& target, const std::string& text) {
    AddFormat("<a href=\"#%s\">%s</a>\r\n", target.c_str(), text.c_str());
}

void THtmlGenerator::AddAnchor(const std::string& name, const std::string& text) {
    AddFormat("<h2><a name=\"%s\"></a>%s</h2>", name.c_str(), text.c_str());
}

void THtmlGenerator::BeginList(bool ordered) {
    AddFormat(ordered ? "<ol>\r\n" : "<ul>\r\n");
}

void THtmlGenerator::EndList(bool ordered) {
    AddFormat(ordered ? "</ol>\r\n" : "</ul>\r\n");
}

std::string THtmlGenerator::ListItem(const std::string& text) const {
    return platform::Format("<li>%s</li>", text.c_str());
}
