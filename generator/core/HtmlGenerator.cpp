#include "HtmlGenerator.h"

void THtmlGenerator::BeginHtml() {
    Add({"<html>\r\n<body>\r\n"});
}

void THtmlGenerator::EndHtml() {
    Add({"</body>\r\n</html>\r\n"});
}

void THtmlGenerator::BeginTable(int border, std::string_view caption, std::string_view align) {
    Add({border != 0 ? "<table border=\"3\">\r\n" : "<table>\r\n"});
    if (caption.empty())
        return;
    if (!align.empty())
        Add({"<caption  align=\"", align, "\">", caption, "</caption>\r\n"});
    else
        Add({"<caption>", caption, "</caption>\r\n"});
}

void THtmlGenerator::EndTable() {
    Add({"</table>\r\n"});
}

void THtmlGenerator::BeginRow() {
    Add({"<tr>\r\n"});
}

void THtmlGenerator::EndRow() {
    Add({"</tr>\r\n"});
}

void THtmlGenerator::AddCell(std::string_view text, std::string_view align, bool header,
                             std::string_view bgColor) {
    if (!header && bgColor.empty() && align == "left") {
        // The cells of the pin rows, thousands of them: the same text in fewer pieces.
        Add({"   <td align=\"left\">", text, "</td>\r\n"});
        return;
    }
    const std::string_view tag = header ? "th" : "td";
    if (!bgColor.empty())
        Add({"   <", tag, " align=\"", align, "\" bgcolor=\"", bgColor, "\">", text, "</", tag, ">\r\n"});
    else
        Add({"   <", tag, " align=\"", align, "\">", text, "</", tag, ">\r\n"});
}

void THtmlGenerator::AddHeading(std::string_view text, int level, std::string_view align) {
    const std::string n = std::to_string(level);
    if (!align.empty())
        Add({"<h", n, " align=\"", align, "\">", text, "</h", n, ">\r\n"});
    else
        Add({"<h", n, ">", text, "</h", n, ">\r\n"});
}

void THtmlGenerator::AddBreak(int count) {
    for (int i = 0; i < count; ++i)
        Add({"<br />\r\n"});
}

void THtmlGenerator::AddLink(std::string_view target, std::string_view text) {
    Add({"<a href=\"#", target, "\">", text, "</a>\r\n"});
}

void THtmlGenerator::AddAnchor(std::string_view name, std::string_view text) {
    Add({"<h2><a name=\"", name, "\"></a>", text, "</h2>"});
}

void THtmlGenerator::BeginList(bool ordered) {
    Add({ordered ? "<ol>\r\n" : "<ul>\r\n"});
}

void THtmlGenerator::EndList(bool ordered) {
    Add({ordered ? "</ol>\r\n" : "</ul>\r\n"});
}

std::string THtmlGenerator::ListItem(std::string_view text) const {
    std::string item = "<li>";
    item += text;
    item += "</li>";
    return item;
}
