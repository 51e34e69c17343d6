#include "contact_sheet/sheet_page.h"

#include <sstream>

namespace {

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

constexpr const char* kStyle =
    "body{font-family:sans-serif;background:#222;color:#eee;margin:1em}"
    "h2{border-bottom:1px solid #666}"
    ".slides{display:flex;flex-wrap:wrap;gap:12px}"
    ".slide{background:#333;padding:8px;width:300px;overflow-wrap:anywhere}"
    ".slide img{display:block;max-width:100%}"
    ".ok{color:#8c8}.problem{color:#f88}.note{color:#fc6}"
    "a{color:#9cf}ul{padding-left:1.2em;margin:.3em 0}";

void slideCard(std::ostringstream& out, const SheetSlide& s) {
    const std::string stem = "Slide" + std::to_string(s.number);
    out << "<div class=\"slide\" id=\"" << escaped(stem) << "\">\n<h3>" << stem << "</h3>\n";
    if (!s.images.empty()) {
        const std::string thumb = s.images[0].substr(0, s.images[0].size() - 4) + "-thumb.jpg";
        out << "<a href=\"" << escaped(s.images[0]) << "\"><img src=\"" << escaped(thumb)
            << "\" alt=\"" << stem << "\"></a>\n";
    }
    if (s.images.size() > 1) {
        out << "<div>groups:";
        for (std::size_t k = 1; k < s.images.size(); ++k) {
            out << " <a href=\"" << escaped(s.images[k]) << "\">" << k << "</a>";
        }
        out << "</div>\n";
    }
    out << "<div>script: " << (s.script.empty() ? "none" : escaped(s.script)) << "</div>\n";
    out << "<div>elements: lecture " << s.elements[0] << ", tutorial " << s.elements[1] << ", quiz "
        << s.elements[2] << "</div>\n";
    if (!hasProblems(s)) {
        out << "<div class=\"ok\">coursecheck: no problems</div>\n";
    }
    if (!s.checks.empty() || !s.preview.empty()) {
        out << "<ul>\n";
        for (const std::string& c : s.checks) {
            out << "<li class=\"problem\">" << escaped(c) << "</li>\n";
        }
        for (const std::string& p : s.preview) {
            const bool note = !isPreviewProblem(p);
            out << "<li class=\"" << (note ? "note" : "problem") << "\">preview: " << escaped(p)
                << "</li>\n";
        }
        out << "</ul>\n";
    }
    out << "</div>\n";
}

} // namespace

std::string sheetPage(const SheetPlan& plan, const SheetHeading& heading) {
    std::ostringstream out;
    out << "<!DOCTYPE html>\n<html><head><meta charset=\"windows-1252\">\n<title>Contact sheet: "
        << escaped(plan.root.filename().string()) << "</title>\n<style>" << kStyle
        << "</style></head><body>\n<h1>Contact sheet of " << escaped(plan.root.string())
        << "</h1>\n<p>" << escaped(heading.mode) << " mode, " << escaped(heading.style)
        << " style, vertical parallax " << heading.verticalParallax
        << ". Each picture is the slide's last screen as the program shows it; the group links "
           "show the screen at each wait.</p>\n";
    for (const SheetSeries& series : plan.series) {
        out << "<h2>" << escaped(series.title) << " (" << escaped(series.directory) << ", "
            << series.slides.size() << " slides)</h2>\n<div class=\"slides\">\n";
        for (const SheetSlide& s : series.slides) {
            slideCard(out, s);
        }
        out << "</div>\n";
    }
    out << "</body></html>\n";
    return out.str();
}
