#include "demo_course/course_texts.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

constexpr int kQuizFirstSlot = 20;

std::string lowerCase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

} // namespace

const Label* findLabel(const SlidePlan& slide, const std::string& term) {
    for (const Label& label : slide.labels) {
        if (label.text == term) {
            return &label;
        }
    }
    return nullptr;
}

std::string quizScript(const SlidePlan& slide, const SlideGeometry& geometry,
                       const LabelPlacement* placement) {
    ScriptText s(geometry, 16);
    s.placeLabelsWith(placement);
    s.comment("Quiz: the structures are numbered first and named one at a time");
    s.image(slide.imageName).title("Quiz: " + slide.title);
    s.caption("Name each numbered structure, then click");
    s.fontSize(16).colour("Yellow");
    std::vector<Label> numbers;
    for (std::size_t i = 0; i < slide.labels.size(); ++i) {
        const Label& label = slide.labels[i];
        numbers.push_back({std::to_string(i + 1), label.landmark, label.dx, label.dy});
        const int slot = kQuizFirstSlot + static_cast<int>(i);
        s.erasableText(numbers.back(), slot).erasablePointer(numbers.back(), slot);
    }
    s.colour("80FF80");
    for (std::size_t i = 0; i < slide.labels.size(); ++i) {
        const int slot = kQuizFirstSlot + static_cast<int>(i);
        s.mark().eraseText(slot).eraseLine(slot).labelled(slide.labels[i]);
    }
    s.mark().eraseCaption().caption("All named: click for the next slide").mark();
    return s.str();
}

std::string indexAnnotations(const SlidePlan& slide, const SlideGeometry& geometry,
                             const LabelPlacement* placement) {
    ScriptText s(geometry, 16);
    s.placeLabelsWith(placement);
    s.comment("Index annotations of " + slide.title + ": one block per term");
    for (std::size_t i = 0; i < slide.indexTerms.size(); ++i) {
        const Label* label = findLabel(slide, slide.indexTerms[i]);
        if (label == nullptr) {
            throw std::logic_error("index term without a label: " + slide.indexTerms[i]);
        }
        s.line("Entry " + label->text);
        s.fontSize(i % 2 == 0 ? 16 : 18);
        s.colour(i % 2 == 0 ? "Yellow" : "FFC060");
        s.labelled(*label);
    }
    return s.str();
}

std::string queryFile(const QueryPlan& q, const SlideGeometry& geometry) {
    const ScreenPoint at = geometry.landmark(q.landmark);
    return crlfLines(
        {"Locate " + std::to_string(q.panelLeft) + " " + std::to_string(q.panelTop) + " " +
             std::to_string(q.panelRight) + " " + std::to_string(q.panelBottom) + " " +
             std::to_string(q.panelDepth),
         q.prompt[0], q.prompt[1], q.prompt[2],
         std::to_string(at.x - q.halfWidth) + " " + std::to_string(at.y - q.halfHeight) + " " +
             std::to_string(at.x + q.halfWidth) + " " + std::to_string(at.y + q.halfHeight)});
}

std::string seriesListText(const std::vector<const SeriesPlan*>& series) {
    std::vector<std::string> lines;
    for (const SeriesPlan* s : series) {
        lines.push_back(s->directory + "," + s->title);
    }
    return crlfLines(lines);
}

std::vector<IndexLine> indexLinesOf(const std::vector<const SeriesPlan*>& series) {
    std::vector<IndexLine> lines;
    for (const SeriesPlan* s : series) {
        for (std::size_t n = 0; n < s->slides.size(); ++n) {
            for (const std::string& term : s->slides[n].indexTerms) {
                lines.push_back({term, s->directory, static_cast<int>(n + 1)});
            }
        }
    }
    std::stable_sort(lines.begin(), lines.end(), [](const IndexLine& a, const IndexLine& b) {
        return lowerCase(a.term) < lowerCase(b.term);
    });
    return lines;
}

std::string indexListText(const std::vector<IndexLine>& lines) {
    std::vector<std::string> text;
    for (const IndexLine& l : lines) {
        text.push_back(l.term + "~" + l.series + " " + std::to_string(l.slide));
    }
    return crlfLines(text);
}

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines) {
        out += l + "\r\n";
    }
    return out;
}
