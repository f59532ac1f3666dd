// Listing a folder and selecting its files as a person does it: real clicks, arrow keys and
// typing into the folder field; what appears on the screen and what is heard.
#include <gtest/gtest.h>

#include <map>

#include "app/ControlIds.h"
#include "sys/UniqueHandle.h"
#include "tests/win/e2e/DisplayScreen.h"
#include "tests/win/e2e/MessageBoxProbe.h"
#include "tests/win/e2e/RealInput.h"
#include "tests/win/e2e/SampleFiles.h"
#include "tests/win/e2e/SoundMonitor.h"
#include "tests/win/e2e/ViewerDriving.h"
#include "tests/win/e2e/ViewerTest.h"
#include "tests/win/e2e/WindowProbe.h"

namespace {
constexpr int kShowTimeoutMs = 6000;
using TNames = std::vector<std::string>;

struct TSample {
    const char* name;
    TRgb picture, maker;
    const char* text;
};
const TSample kSamples[] = {
    {"Берёза", {220, 30, 30}, {30, 30, 220}, "Ольга"},
    {"Клён", {30, 200, 40}, {230, 200, 20}, "Пётр\r\nХудожник"},
    {"Сосна", {40, 60, 210}, {200, 40, 200}, "Нина"},
};

TSonpixFileParts PartsOf(const TSample& sample) {
    TSonpixFileParts parts;
    parts.picture = FlatJpeg(160, 120, sample.picture);
    parts.sound = HeadMarkedWav(1.0);
    parts.makerPicture = FlatJpeg(90, 30, sample.maker);
    parts.makerText = std::string(sample.text);
    return parts;
}

class TSelectionTest : public TViewerTest {
protected:
    HWND StartIn(const std::string& folder) {
        HWND main = StartAndWaitForMainWindow("none", folder);
        if (!main) return nullptr;
        m_list = Control(main, idListBox1);
        m_label = Control(main, idStaticText1);
        m_image1 = Control(main, idImage1);
        m_image2 = Control(main, idImage2);
        return m_list && m_label && m_image1 && m_image2 ? main : nullptr;
    }
    // The sample's picture, maker's picture and text on the screen, and its sound heard.
    void ExpectShown(const TSample& sample) {
        EXPECT_TRUE(WaitUntil([&] { return TextOf(m_label) == sample.text; }, kShowTimeoutMs)) << TextOf(m_label);
        // The label changes after the previous sound was stopped and before this one starts; the
        // recording trails the speakers a little, and a loud head of 0.4 s is still heard after this.
        const double since = m_sound.Now() + 0.05;
        const auto shows = [](HWND image, POINT at, const TRgb& colour) {
            return WaitUntil([&] { return HasVisibleStyle(image) && NearColour(TScreenPixels(image).At(at.x, at.y), colour, 40); },
                             kShowTimeoutMs);
        };
        EXPECT_TRUE(shows(m_image1, CentreOfClient(m_image1), sample.picture)) << ToString(TScreenPixels(m_image1).At(340, 250));
        EXPECT_TRUE(shows(m_image2, POINT{10, 10}, sample.maker)) << ToString(TScreenPixels(m_image2).At(10, 10));
        EXPECT_TRUE(m_sound.WaitForSound(since, kShowTimeoutMs, kHeadLevel)) << "no sound; " << m_sound.Describe(since);
    }
    static POINT CentreOfClient(HWND window) {
        RECT r{};
        GetClientRect(window, &r);
        return POINT{r.right / 2, r.bottom / 2};
    }
    // The text of the viewer's visible tool tip, once one shows.
    std::string ShownToolTip() {
        HWND tip = WaitForVisibleWindow(Viewer().Id(), "tooltips_class32", 4000);
        return tip ? TextOf(tip) : std::string("(no tool tip)");
    }

    TSoundMonitor m_sound;
    HWND m_list = nullptr, m_label = nullptr, m_image1 = nullptr, m_image2 = nullptr;
};

TEST_F(TSelectionTest, EachEntrySelectedByMouseOrArrowKeyIsShownAndHeard) {
    ASSERT_TRUE(m_sound.Ready()) << "the sound system cannot be recorded";
    for (const TSample& sample : kSamples) ASSERT_TRUE(WriteSonpix(m_scratch.Path() + sample.name + ".sonpix", PartsOf(sample)));
    HWND main = StartIn(m_scratch.Path());
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(ListBoxItems(m_list), (TNames{"Берёза", "Клён", "Сосна"}));

    for (int index = 0; index < 3; ++index) {
        SCOPED_TRACE(std::string("click on ") + kSamples[index].name);
        ASSERT_TRUE(ClickListEntry(m_list, index));
        ASSERT_TRUE(WaitForSelection(m_list, index));
        ExpectShown(kSamples[index]);
    }
    for (const auto& [key, index] : std::vector<std::pair<const char*, int>>{{"Up", 1}, {"Up", 0}, {"Down", 1}, {"Down", 2}}) {
        SCOPED_TRACE(std::string(key) + " to " + kSamples[index].name);
        ASSERT_TRUE(RealKey(key));
        ASSERT_TRUE(WaitForSelection(m_list, index));
        ExpectShown(kSamples[index]);
    }

    // The tool tip names the last selected entry, not the one the mouse rests on.
    POINT overFirst{30, 6};
    ClientToScreen(m_list, &overFirst);
    ASSERT_TRUE(RealMoveTo(POINT{overFirst.x - 10, overFirst.y + 1}));
    ASSERT_TRUE(RealMoveTo(overFirst));
    EXPECT_EQ(ShownToolTip(), "Сосна");
    EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr);
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}

// What the viewer must list for a folder text, given what the test put where.
TNames ExpectedListing(const std::string& text, const std::string& currentFolder, const std::map<std::string, TNames>& known) {
    std::string folder = text.empty() ? currentFolder : text;
    if (folder.back() != '\\') folder += '\\';
    const auto found = known.find(PlatformUpper(folder));
    return found == known.end() ? TNames{} : found->second;
}

TEST_F(TSelectionTest, FolderPathTypedCharacterByCharacterIsListedAtEveryStep) {
    const std::string work = m_scratch.Make("work\\");
    const std::string photos = m_scratch.Make("Фото\\"), photos2 = m_scratch.Make("Фото2\\");
    const std::map<std::string, TNames> known = {
        {PlatformUpper(work), {"здесь"}},
        {PlatformUpper(m_scratch.Path()), {"корень"}},
        {PlatformUpper(photos), {"кадр", "снимок"}},
        {PlatformUpper(photos2), {"Вишня"}},
    };
    for (const auto& [folder, names] : known)
        for (const std::string& name : names) ASSERT_TRUE(WriteSonpix(folder + name + ".sonpix", SampleParts(9, name)));
    HWND main = StartIn(work);
    ASSERT_NE(main, nullptr);
    HWND edit = Control(main, idDirectoryEdit1);
    ASSERT_NE(edit, nullptr);

    // The file selected here stays the current one through every listing below.
    ASSERT_TRUE(ClickListEntry(m_list, 0));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(m_label) == "здесь" && HasVisibleStyle(m_image1); }, kShowTimeoutMs));

    // Emptied, the field lists the process's current folder.
    ASSERT_TRUE(ClickControl(edit));
    ASSERT_TRUE(RealKey("End shift+Home BackSpace"));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(edit).empty(); }, kShowTimeoutMs)) << TextOf(edit);
    EXPECT_EQ(ListBoxItems(m_list), ExpectedListing("", work, known));

    const std::string path = photos2;
    for (size_t length = 1; length <= path.size(); ++length) {
        const std::string typed = path.substr(0, length);
        SCOPED_TRACE("typed \"" + typed + "\"");
        ASSERT_TRUE(RealTypeUntil(path.substr(length - 1, 1), [&] { return TextOf(edit) == typed; }, kShowTimeoutMs))
            << "the field holds " << TextOf(edit);
        const TNames expected = ExpectedListing(typed, work, known);
        EXPECT_TRUE(WaitUntil([&] { return ListBoxItems(m_list) == expected; }, 2000))
            << ListBoxItems(m_list).size() << " entries instead of " << expected.size();
        EXPECT_EQ(ListBoxSelection(m_list), -1);
    }
    EXPECT_EQ(TextOf(m_label), "здесь");
    EXPECT_TRUE(HasVisibleStyle(m_image1) && HasVisibleStyle(m_image2)) << "a new listing hid the current file";
    EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr);
}

TEST_F(TSelectionTest, OddNamesHiddenFilesAndFoldersAreListedAndOpenedByTheirListedName) {
    const TSample& sample = kSamples[1];
    for (const char* name : {"a.b.sonpix", "X.SONPIX", "h.sonpix"}) ASSERT_TRUE(WriteSonpix(m_scratch.Path() + name, PartsOf(sample)));
    ASSERT_TRUE(SetFileAttributesA((m_scratch.Path() + "h.sonpix").c_str(), FILE_ATTRIBUTE_HIDDEN));
    m_scratch.Make("d.sonpix\\");
    HWND main = StartIn(m_scratch.Path());
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(ListBoxItems(m_list), (TNames{"a.b", "d", "h", "X"}));

    for (int index : {0, 2, 3}) {
        SCOPED_TRACE(ListBoxItems(m_list)[index]);
        // Another entry first, so that each display starts from the hidden pictures of a selection.
        ASSERT_TRUE(ClickListEntry(m_list, 1));
        ASSERT_TRUE(WaitUntil([&] { return TextOf(m_label) == "?"; }, kShowTimeoutMs));
        ASSERT_TRUE(ClickListEntry(m_list, index));
        ASSERT_TRUE(WaitForSelection(m_list, index));
        ExpectShown(sample);
    }
    // The folder d.sonpix: nothing to show, nothing heard (not even by the replay button), nothing reported.
    ASSERT_TRUE(ClickListEntry(m_list, 1));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(m_label) == "?" && !HasVisibleStyle(m_image1) && !HasVisibleStyle(m_image2); },
                          kShowTimeoutMs));
    // From here on the selection has been handled; the recording trails the speakers a little.
    const double since = m_sound.Now() + 0.2;
    // The extraction removed the last sound file, so the replay button has nothing to play.
    ASSERT_TRUE(ClickControl(Control(main, idSpeedButton1)));
    PauseMs(1200);
    EXPECT_FALSE(HasVisibleStyle(m_image1));
    EXPECT_FALSE(HasVisibleStyle(m_image2));
    EXPECT_LT(m_sound.PeakBetween(since, m_sound.Now()), kSoundLevel) << m_sound.Describe(since);
    EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr);
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}

TEST_F(TSelectionTest, FileLockedByAnotherProgramIsReportedWithTheWindowClearedAndSilent) {
    ASSERT_TRUE(m_sound.Ready()) << "the sound system cannot be recorded";
    TSonpixFileParts longSound = PartsOf(kSamples[0]);
    longSound.sound = HeadMarkedWav(3.0);
    ASSERT_TRUE(WriteSonpix(m_scratch.Path() + "a playing.sonpix", longSound));
    const std::string locked = m_scratch.Path() + "b locked.sonpix";
    ASSERT_TRUE(WriteSonpix(locked, PartsOf(kSamples[2])));
    HWND main = StartIn(m_scratch.Path());
    ASSERT_NE(main, nullptr);
    HWND more = Control(main, idButton1);
    ASSERT_TRUE(ClickListEntry(m_list, 0));
    ExpectShown(kSamples[0]);

    UniqueHandle holder(CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder.Valid()) << "error " << GetLastError();
    const double click = m_sound.Now();
    ASSERT_TRUE(ClickListEntry(m_list, 1));
    HWND box = Viewer().WaitForMessageBox(kShowTimeoutMs);
    ASSERT_NE(box, nullptr) << "no error box";
    const TMessageBoxView view = ReadMessageBox(box);
    EXPECT_EQ(view.text.rfind("Cannot open file \"" + locked + "\". ", 0), 0u) << view.text;
    EXPECT_EQ(view.caption, "Sonpixviewer");
    const auto leftAsTheFirstStepsLeaveIt = [&] {
        EXPECT_EQ(TextOf(m_label), "?");
        EXPECT_FALSE(HasVisibleStyle(m_image1)) << "the old picture is shown";
        EXPECT_FALSE(HasVisibleStyle(m_image2)) << "the old maker's picture is shown";
        EXPECT_TRUE(IsWindowEnabled(more));
        const std::optional<double> silence = m_sound.WaitForSilence(click, kShowTimeoutMs, 0.3);
        ASSERT_TRUE(silence);
        EXPECT_LT(*silence - click, 0.8) << "the old sound went on; " << m_sound.Describe(click);
    };
    leftAsTheFirstStepsLeaveIt();
    ASSERT_TRUE(PressMessageBoxButton(box, IDOK));
    ASSERT_TRUE(WaitUntil([&] { return FindMessageBox(Viewer().Id()) == nullptr; }, kShowTimeoutMs));
    PauseMs(500);
    leftAsTheFirstStepsLeaveIt();
    EXPECT_EQ(FindMessageBox(Viewer().Id()), nullptr) << "a second message appeared";
    // The tool tip already names the entry, since its step comes before the extraction.
    POINT overFirst{30, 6};
    ClientToScreen(m_list, &overFirst);
    ASSERT_TRUE(RealMoveTo(POINT{overFirst.x - 10, overFirst.y + 1}));
    ASSERT_TRUE(RealMoveTo(overFirst));
    EXPECT_EQ(ShownToolTip(), "b locked");
    holder.Close();
    EXPECT_EQ(Viewer().CloseAndWait(kExitTimeoutMs), std::optional<DWORD>(0));
}
}  // namespace
