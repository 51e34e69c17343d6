// The content readers on real files: the slide directory and its script search, the beeps
// and message boxes, shared reading, the pens of hexadecimal colours, index.dat and the
// index slides.
#include "support/program_harness.h"

#include <cstring>

#include "ground/program_resources.h"
#include "ground/content_globals.h"
#include "content/content_paths.h"
#include "content/index_reader.h"
#include "content/slide_script_reader.h"
#include "display/display_globals.h"

namespace {

class ContentReaderTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        courseRoot = course.path() + "\\Corpus\\";
        std::strcpy(seriesName, "Heart");
        modeFlags = modeFlagsFor(ChosenMode::Lecture);
        narrationSeen = 1;
        createPenTable();
    }
    void TearDown() override {
        deletePenTable();
        ProgramTest::TearDown();
    }

    // Writes a file into slide n of the series "Heart".
    void writeSlideFile(int slide, const std::string& name, const std::string& bytes) {
        const std::string slideFolder = "Corpus\\Heart\\Slide" + std::to_string(slide);
        course.makeDirectory(slideFolder);
        course.writeFile(slideFolder + "\\" + name, bytes);
    }
    int elementCount() const { return slideElements[0].kind; }
    std::string elementText(int record) const { return slideElements[record].text; }

    TemporaryDirectory course;
    std::string directory;
};

std::vector<unsigned> exclamations(int count) {
    return std::vector<unsigned>(static_cast<std::size_t>(count), MB_ICONEXCLAMATION);
}

COLORREF penColour(HPEN pen) {
    LOGPEN description = {};
    GetObjectA(pen, sizeof description, &description);
    return description.lopnColor;
}

} // namespace

TEST_F(ContentReaderTest, ReadsTheScriptOfTheSlideDirectory) {
    writeSlideFile(3, "heart.scp", "Image heart\r\nTitle The Heart\r\nDelay 5\r\n");
    readSlideScript(directory, 3, slideElements);
    EXPECT_EQ(directory, courseRoot + "Heart\\Slide3\\");
    EXPECT_EQ(elementCount(), 2);
    EXPECT_EQ(slideElements[1].kind, Image);
    EXPECT_EQ(elementText(1), "heart");
    EXPECT_EQ(elementText(2), "The Heart");
    EXPECT_EQ(slideElements[3].kind, EndOfSlide);
    EXPECT_TRUE(fake.beeps.empty());
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(ContentReaderTest, ChoosesTheScriptByModeAndBeepsWhenTheQuizScriptIsMissing) {
    struct Case {
        const char* name;
        ChosenMode mode;
        bool quizScript, script;
        int beeps;
        const char* title; // nullptr: an empty slide
    };
    const Case cases[] = {
        {"Lecture with both", ChosenMode::Lecture, true, true, 0, "script"},
        {"Quiz with both", ChosenMode::Quiz, true, true, 0, "quiz"},
        {"Quiz without the quiz script", ChosenMode::Quiz, false, true, 1, "script"},
        {"Lecture with the quiz script only", ChosenMode::Lecture, true, false, 1, nullptr},
        {"Quiz without any script", ChosenMode::Quiz, false, false, 1, nullptr},
    };
    int slide = 0;
    for (const Case& c : cases) {
        ++slide;
        course.makeDirectory("Corpus\\Heart\\Slide" + std::to_string(slide));
        if (c.quizScript) {
            writeSlideFile(slide, "s.qiz", "Title quiz\r\n");
        }
        if (c.script) {
            writeSlideFile(slide, "s.scp", "Title script\r\n");
        }
        fake.beeps.clear();
        modeFlags = modeFlagsFor(c.mode);
        readSlideScript(directory, slide, slideElements);
        EXPECT_EQ(fake.beeps, exclamations(c.beeps)) << c.name;
        if (c.title != nullptr) {
            EXPECT_EQ(elementCount(), 1) << c.name;
            EXPECT_EQ(elementText(1), c.title) << c.name;
        } else {
            EXPECT_EQ(elementCount(), 0) << c.name;
            EXPECT_EQ(slideElements[1].kind, EndOfSlide) << c.name;
        }
    }
    EXPECT_TRUE(fake.messageBoxes.empty());
}

TEST_F(ContentReaderTest, AnUnrecognisedKeywordShowsTheScriptFileError) {
    writeSlideFile(1, "s.scp", "Image a\r\ntitle Heart\r\nTitle X\r\n");
    readSlideScript(directory, 1, slideElements);
    EXPECT_EQ(elementCount(), 1);
    ASSERT_EQ(fake.messageBoxes.size(), 1u);
    EXPECT_EQ(fake.messageBoxes[0].text, "Problem with: title\nTruncating slide at line 1.");
    EXPECT_EQ(fake.messageBoxes[0].caption, "Script File Error");
    EXPECT_EQ(fake.messageBoxes[0].type, static_cast<unsigned>(MB_OK));
}

TEST_F(ContentReaderTest, ReadsAScriptThatIsOpenElsewhere) {
    writeSlideFile(1, "s.scp", "Title shared\r\n");
    const std::string path = courseRoot + "Heart\\Slide1\\s.scp";
    const HANDLE other = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(other, INVALID_HANDLE_VALUE);
    readSlideScript(directory, 1, slideElements);
    CloseHandle(other);
    EXPECT_EQ(elementCount(), 1);
    EXPECT_EQ(elementText(1), "shared");
}

TEST_F(ContentReaderTest, PathsLongerThanTheOldBuffersAreNotCut) {
    TemporaryDirectory deep;
    const std::string longName(100, 'd');
    deep.makeDirectory(longName + "\\Corpus\\Heart\\Slide2");
    deep.writeFile(longName + "\\Corpus\\Heart\\Slide2\\s.scp", "Title deep\r\n");
    courseRoot = deep.path() + "\\" + longName + "\\Corpus\\";
    readSlideScript(directory, 2, slideElements);
    EXPECT_GT(directory.size(), 120u);
    EXPECT_EQ(directory, courseRoot + "Heart\\Slide2\\");
    EXPECT_EQ(elementText(1), "deep");
}

TEST_F(ContentReaderTest, ReadsAtMostTheTextFileLimit) {
    std::string script = "Title early\n";
    const std::string comment = "# " + std::string(97, 'c') + "\n";
    while (script.size() + comment.size() <= kContentTextFileLimit) {
        script += comment;
    }
    script += std::string(kContentTextFileLimit - script.size(), '#');
    script += "\nTitle late\n";
    writeSlideFile(1, "big.scp", script);
    readSlideScript(directory, 1, slideElements);
    EXPECT_EQ(elementCount(), 1);
    EXPECT_EQ(elementText(1), "early");
}

TEST_F(ContentReaderTest, HexadecimalColoursReplaceExactlyTheirPens) {
    HPEN* pens = programResources.penTable;
    const HPEN old199 = pens[199];
    const HPEN old198 = pens[198];
    const HPEN oldRed = pens[2];
    writeSlideFile(1, "s.scp", "Color 80FF00\r\nColor Red\r\n");
    readSlideScript(directory, 1, slideElements);
    EXPECT_EQ(slideElements[1].value, 199);
    EXPECT_EQ(colourTable[199], RGB(128, 255, 0));
    EXPECT_NE(pens[199], old199);
    EXPECT_EQ(penColour(pens[199]), RGB(128, 255, 0));
    EXPECT_EQ(GetObjectType(old199), 0u) << "the replaced pen is deleted";
    EXPECT_EQ(pens[198], old198);
    EXPECT_EQ(pens[2], oldRed);
}

TEST_F(ContentReaderTest, APenTheScreenHoldsIsDeletedOnlyOnceReleased) {
    screenDC = CreateCompatibleDC(nullptr);
    ASSERT_NE(screenDC, nullptr);
    HPEN* pens = programResources.penTable;
    const HGDIOBJ original = SelectObject(screenDC, pens[199]);
    const HPEN held = pens[199];
    writeSlideFile(1, "s.scp", "Color 0000FF\r\n");
    readSlideScript(directory, 1, slideElements);
    EXPECT_NE(pens[199], held);
    EXPECT_EQ(GetObjectType(held), static_cast<DWORD>(OBJ_PEN));
    EXPECT_EQ(GetCurrentObject(screenDC, OBJ_PEN), held) << "the screen keeps drawing with it";

    SelectObject(screenDC, pens[0]);
    writeSlideFile(2, "s.scp", "Color 00FF00\r\n");
    readSlideScript(directory, 2, slideElements);
    EXPECT_EQ(GetObjectType(held), 0u);
    EXPECT_EQ(penColour(pens[199]), RGB(0, 255, 0));

    SelectObject(screenDC, original);
    DeleteDC(screenDC);
    screenDC = nullptr;
}

TEST_F(ContentReaderTest, ReadsTheIndexList) {
    course.makeDirectory("Corpus");
    course.writeFile("Corpus\\index.dat",
                     "Left atrium~Heart 12\r\nAorta~Heart 3\r\n\r\nLost~Heart 4\r\n");
    indexCount = 99;
    readIndexList();
    ASSERT_EQ(indexCount, 2);
    EXPECT_STREQ(indexEntries[0].term, "Left atrium");
    EXPECT_STREQ(indexEntries[0].series, "Heart");
    EXPECT_EQ(indexEntries[0].slide, 12);
    EXPECT_STREQ(indexEntries[1].term, "Aorta");
    EXPECT_EQ(indexEntries[1].slide, 3);

    DeleteFileA((courseRoot + "index.dat").c_str());
    readIndexList();
    EXPECT_EQ(indexCount, 0);
}

TEST_F(ContentReaderTest, BuildsIndexSlides) {
    struct Case {
        const char* name;
        int entry;
        bool picture, ind;
        int result;
        int beeps;
        const char* message; // nullptr: none
        int count;
    };
    const char* const ind = "Entry Aorta\r\nText Aorta,10 20 3\r\n"
                            "Entry Left atrium\r\nColor 80FF00\r\nText Left atrium,120 340 6\r\n"
                            "Entry Broken\r\nTitle X\r\n";
    const Case cases[] = {
        {"the term's block", 0, true, true, 1, 0, nullptr, 3},
        {"an unrecognised keyword in the block", 1, true, true, 1, 0,
         "Problem with: Title\nTruncating Index at line 1.", 1},
        {"a term without a block", 2, true, true, 0, 0, nullptr, 0},
        {"no picture", 0, false, true, 0, 1, nullptr, 0},
        {"no .ind file", 0, true, false, 0, 1, nullptr, 0},
        {"an entry beyond the index", 3, true, true, 0, 0, nullptr, 0},
        {"a negative entry", -1, true, true, 0, 0, nullptr, 0},
    };
    int slide = 0;
    for (const Case& c : cases) {
        ++slide;
        const std::string terms[] = {"Left atrium", "Broken", "Missing"};
        for (int i = 0; i < 3; ++i) {
            std::strcpy(indexEntries[i].term, terms[i].c_str());
            std::strcpy(indexEntries[i].series, "Heart");
            indexEntries[i].slide = slide;
        }
        indexCount = 3;
        course.makeDirectory("Corpus\\Heart\\Slide" + std::to_string(slide));
        if (c.picture) {
            writeSlideFile(slide, "atrium.duo", "");
        }
        if (c.ind) {
            writeSlideFile(slide, "atrium.ind", ind);
        }
        fake.beeps.clear();
        fake.messageBoxes.clear();
        slideElements[0].kind = -1;
        EXPECT_EQ(readIndexSlide(c.entry, slideElements), c.result) << c.name;
        EXPECT_EQ(fake.beeps, exclamations(c.beeps)) << c.name;
        ASSERT_EQ(fake.messageBoxes.size(), c.message ? 1u : 0u) << c.name;
        if (c.message) {
            EXPECT_EQ(fake.messageBoxes[0].text, c.message);
            EXPECT_EQ(fake.messageBoxes[0].caption, "Script File Error");
        }
        if (c.result == 1) {
            EXPECT_EQ(elementCount(), c.count) << c.name;
            EXPECT_EQ(slideElements[1].kind, Image) << c.name;
            EXPECT_EQ(elementText(1), "atrium") << c.name;
            EXPECT_EQ(slideElements[c.count + 1].kind, EndOfSlide) << c.name;
        }
    }
    // The first case's hexadecimal colour replaced its pen.
    EXPECT_EQ(colourTable[199], RGB(128, 255, 0));
    EXPECT_EQ(penColour(programResources.penTable[199]), RGB(128, 255, 0));
}
