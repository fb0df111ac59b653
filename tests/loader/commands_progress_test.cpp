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
    void SetUp() override { m_texts.Load("/nonexistent-folder"); }

    LanguageTexts m_texts;
    RecordingCommandsUi m_ui;
    SerialPort m_port; // never opened
    TransferProgress m_progress{m_texts, m_ui, m_port};
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
    m_progress.Begin(12, "/data/file.bin", "Uploading");
    EXPECT_EQ(std::vector<std::string>{"   Uploading"}, m_ui.statusLines); // the blank lead text, two blanks
    ProgressBarState expected;
    expected.upper = 12;
    expected.solid = true;
    ASSERT_EQ(1u, m_ui.bars.size());
    EXPECT_EQ(expected, m_ui.bars[0]);
    EXPECT_EQ(0xFF0000u, m_ui.bars[0].barColour);

    m_progress.Report({ProgressEvent::Packets, 3}, "", Uploading(2, 2));
    EXPECT_EQ("25%  (2/2)", m_progress.Bar().caption);
    EXPECT_FALSE(m_progress.Bar().solid);
    EXPECT_EQ(kProgressCaptionBlack, m_progress.Bar().captionColour);
    EXPECT_EQ(3, m_progress.Bar().position);

    m_progress.Report({ProgressEvent::Packets, 5}, "", kNoUpload);
    EXPECT_EQ("41%", m_progress.Bar().caption);

    TraceCapture trace;
    m_progress.Report({ProgressEvent::Erasing}, "Now erasing the flash. Please wait.", Uploading(1, 3));
    EXPECT_EQ("Now erasing the flash. Please wait.  (1/3)", m_progress.Bar().caption);
    EXPECT_TRUE(m_progress.Bar().solid);
    EXPECT_EQ(0x00FF00u, m_progress.Bar().captionColour);
    EXPECT_EQ(12, m_progress.Bar().position);
    EXPECT_EQ("=====>\n", trace.Text());

    m_progress.Report({ProgressEvent::Packets, 1}, "", Uploading(1, 3));
    EXPECT_EQ("8%  (1/3)", m_progress.Bar().caption);
    EXPECT_FALSE(m_progress.Bar().solid);
    EXPECT_EQ(kProgressCaptionBlack, m_progress.Bar().captionColour);
    EXPECT_EQ(TransferOutcome::None, m_progress.Outcome());
}

// An error shows its text or the standard one and leaves status and note; completion shows the standard text.
TEST_F(CommandsProgressTest, EndsShowTheirTextsOnTheStatusLineAndInTheMessage) {
    m_progress.Report({ProgressEvent::Error}, "The file is not selected.", kNoUpload);
    m_progress.Report({ProgressEvent::Error}, "", kNoUpload);
    EXPECT_EQ((std::vector<std::string>{"front", "message1 The file is not selected.", "front",
                                        "message1 Error occurred... Please check the displayed message of the STB"}),
              m_ui.events);
    EXPECT_TRUE(m_ui.statusLines.empty());
    EXPECT_EQ(0, m_ui.noteHides);
    EXPECT_EQ(TransferOutcome::Failed, m_progress.Outcome());

    m_ui.events.clear();
    m_progress.Begin(2, "", "Downloading");
    m_ui.statusLines.clear();
    m_progress.Report({ProgressEvent::Completed}, "", kNoUpload);
    EXPECT_EQ((std::vector<std::string>{"front", "message1 Completed"}), m_ui.events);
    EXPECT_EQ(std::vector<std::string>{"   Completed"}, m_ui.statusLines);
    EXPECT_EQ(1, m_ui.noteHides);
    EXPECT_TRUE(m_ui.controls.empty()); // the port is closed: the buttons stay as they are
    EXPECT_EQ(TransferOutcome::Completed, m_progress.Outcome());

    m_progress.ClearOutcome();
    EXPECT_EQ(TransferOutcome::None, m_progress.Outcome());
}
