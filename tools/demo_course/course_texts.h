// The text files of the demo course, made from its plan: quiz scripts, index annotation
// blocks, query files, the series lists, the index lists and the abstracts. All lines end
// with CR LF.
#pragma once

#include <string>
#include <vector>

#include "demo_course/course_plan.h"

// Quiz Mode's script of a slide: the labelled structures numbered, then named one by one.
std::string quizScript(const SlidePlan& slide, const SlideGeometry& geometry,
                       const LabelPlacement* placement = nullptr);

// The slide's ".ind" file: one "Entry" block per index term of the slide.
std::string indexAnnotations(const SlidePlan& slide, const SlideGeometry& geometry,
                             const LabelPlacement* placement = nullptr);

// A query file: the panel line, three prompt lines and the answer region.
std::string queryFile(const QueryPlan& query, const SlideGeometry& geometry);

// config.dat: "directory,title" for each series.
std::string seriesListText(const std::vector<const SeriesPlan*>& series);

struct IndexLine {
    std::string term;
    std::string series;
    int slide;
};
// The index terms of the series, "term~series slide", in alphabetical order.
std::vector<IndexLine> indexLinesOf(const std::vector<const SeriesPlan*>& series);
std::string indexListText(const std::vector<IndexLine>& lines);

std::string crlfLines(const std::vector<std::string>& lines);
