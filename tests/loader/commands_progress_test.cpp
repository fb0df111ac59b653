#include "commands_fixture.h"

using namespace vorlane;
using namespace vorlane::testing;

namespace {

const UploadPosition kNoUpload{};

UploadPosition Uploading(int entryNumber, int entryCount) {
    return UploadPosition{true, entryNumber, entryCount};
}

class CommandsProgressTest : public ::testing::Test {
protected:
    void SetUp() override { texts.Load("/nonexistent-folder"); }

    LanguageTexts texts;
    RecordingCommandsUi ui;
    SerialPort port; // never opened
    TransferProgress progress{texts, ui, port};
};

} // namespace

TEST(ProgressCaptionTest, PercentTruncatesTowardZeroAndAnEmptyRangeCountsAsDone) {
    EXPECT_EQ(25, ProgressPercent(3, 0, 12));
    EXPECT_EQ(41, ProgressPercent(5, 0, 12));
    EXPECT_EQ(0, ProgressPercent(0, 0, 832));
    EXPECT_EQ(100, ProgressPercent(832, 0, 832));
    EXPECT_EQ(100, ProgressPercent(0, 0, 0));
    // Ranges past 16 bits keep their scale; a cut bound would show far more than 100 %.
    EXPECT_EQ(99, ProgressPercent(99999, 0, 100000));
    EXPECT_EQ(100, ProgressPercent(2'000'000'000, 0, 2'000'000'000));

    EXPECT_EQ("  (2/3)", UploadPositionCaption(Uploading(2, 3)));
    EXPECT_EQ("", UploadPositionCaption(kNoUpload));
}

TEST_F(CommandsProgressTest, BeginShowsAnEmptySolidBarAndCaptionsThePercentageAndTheBlockOfAnUpload) {
    progress.Begin(12, "/data/file.bin", "Uploading");
    EXPECT_EQ(std::vector<std::string>{"   Uploading"}, ui.statusLines); // the blank lead text, two blanks
    ProgressBarState expected;
    expected.upper = 12;
    expected.solid = true;
    ASSERT_EQ(1u, ui.bars.size());
    EXPECT_EQ(expected, ui.bars[0]);
    EXPECT_EQ(0xFF0000u, ui.bars[0].barColour);

    progress.Report({ProgressEvent::Packets, 3}, "", Uploading(2, 2));
    EXPECT_EQ("25%  (2/2)", progress.Bar().caption);
    EXPECT_FALSE(progress.Bar().solid);
    EXPECT_EQ(kProgressCaptionBlack, progress.Bar().captionColour);
    EXPECT_EQ(3, progress.Bar().position);

    progress.Report({ProgressEvent::Packets, 5}, "", kNoUpload);
    EXPECT_EQ("41%", progress.Bar().caption);

    TraceCapture trace;
    progress.Report({ProgressEvent::Erasing}, "Now erasing the flash. Please wait.", Uploading(1, 3));
    EXPECT_EQ("Now erasing the flash. Please wait.  (1/3)", progress.Bar().caption);
    EXPECT_TRUE(progress.Bar().solid);
    EXPECT_EQ(0x00FF00u, progress.Bar().captionColour);
    EXPECT_EQ(12, progress.Bar().position);
    EXPECT_EQ("=====>\n", trace.text());

    progress.Report({ProgressEvent::Packets, 1}, "", Uploading(1, 3));
    EXPECT_EQ("8%  (1/3)", progress.Bar().caption);
    EXPECT_FALSE(progress.Bar().solid);
    EXPECT_EQ(kProgressCaptionBlack, progress.Bar().captionColour);
    EXPECT_EQ(TransferOutcome::None, progress.Outcome());
}

// An error shows its text or the standard one and leaves status and note; completion shows the standard text.
TEST_F(CommandsProgressTest, EndsShowTheirTextsOnTheStatusLineAndInTheMessage) {
    progress.Report({ProgressEvent::Error}, "The file is not selected.", kNoUpload);
    progress.Report({ProgressEvent::Error}, "", kNoUpload);
    EXPECT_EQ((std::vector<std::string>{"front", "message1 The file is not selected.", "front",
                                        "message1 Error occurred... Please check the displayed message of the STB"}),
              ui.events);
    EXPECT_TRUE(ui.statusLines.empty());
    EXPECT_EQ(0, ui.noteHides);
    EXPECT_EQ(TransferOutcome::Failed, progress.Outcome());

    ui.events.clear();
    progress.Begin(2, "", "Downloading");
    ui.statusLines.clear();
    progress.Report({ProgressEvent::Completed}, "", kNoUpload);
    EXPECT_EQ((std::vector<std::string>{"front", "message1 Completed"}), ui.events);
    EXPECT_EQ(std::vector<std::string>{"   Completed"}, ui.statusLines);
    EXPECT_EQ(1, ui.noteHides);
    EXPECT_TRUE(ui.controls.empty()); // the port is closed: the buttons stay as they are
    EXPECT_EQ(TransferOutcome::Completed, progress.Outcome());

    progress.ClearOutcome();
    EXPECT_EQ(TransferOutcome::None, progress.Outcome());
}
