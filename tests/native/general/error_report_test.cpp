#include "shell/general/error_report.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "platform/failure.h"
#include "tests/native/general/fakes.h"

namespace {

using kes_test::RecordingBoxes;

TEST(ErrorReportText, JoinsTheLinesWithLineFeedsAndLabelsTheParts) {
  EXPECT_EQ(Subs::ErrorReportText(53, "File not found", "RegistryAPI", "Query Value", "Path"),
            "The Following Error Occurred:\n\n53 - File not found\n\n"
            "Module:  RegistryAPI\n\nRoutine: Query Value\n\nAdditional Info: Path");
}

TEST(ErrorReportText, EndsWithAnEmptyAdditionalInfoLineWhenThereIsNone) {
  const std::string text = Subs::ErrorReportText(5, "Invalid", "Subs", "Main", "");
  EXPECT_EQ(text.substr(text.size() - 19), "\n\nAdditional Info: ");
  EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST(ErrorReportText, WritesNegativeAndWideNumbersInFullDecimal) {
  EXPECT_NE(Subs::ErrorReportText(-32768, "Odd", "M", "R", "").find("\n\n-32768 - Odd\n\n"),
            std::string::npos);
  EXPECT_NE(Subs::ErrorReportText(-2147221504, "Own", "M", "R", "").find("\n\n-2147221504 - Own"),
            std::string::npos);
  EXPECT_NE(Subs::ErrorReportText(70000, "Wide", "M", "R", "").find("\n\n70000 - Wide"),
            std::string::npos);
}

TEST(ErrorReport, ShowsOneStopBoxWithTheViewerTitleOrTheGivenOne) {
  RecordingBoxes boxes;
  Subs::ErrorReport(boxes).ShowErrorReport(91, "Object variable not set", "MDIMain", "mnutools");
  Subs::ErrorReport(boxes, "Program Error").ShowErrorReport(1, "x", "M", "R");
  ASSERT_EQ(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].title, "Kestrel Application Error");
  EXPECT_EQ(boxes.shown[0].style, platform::kMbOk | platform::kMbIconStop);
  EXPECT_EQ(boxes.shown[0].text,
            Subs::ErrorReportText(91, "Object variable not set", "MDIMain", "mnutools", ""));
  EXPECT_EQ(boxes.shown[1].title, "Program Error");
}

TEST(ErrorReport, ShowFailureTakesNumberAndTextFromTheException) {
  RecordingBoxes boxes;
  Subs::ErrorReport report(boxes);
  report.ShowFailure(kes::Failure(kes::kErrFileNotFound, "File not found"), "Subs", "LinkExist");
  report.ShowFailure(std::bad_alloc(), "Subs", "BuildTreeView", "more");
  report.ShowFailure(std::out_of_range("vector index"), "Subs", "GetTasks");
  ASSERT_EQ(boxes.shown.size(), 3u);
  EXPECT_EQ(boxes.shown[0].text,
            Subs::ErrorReportText(53, "File not found", "Subs", "LinkExist", ""));
  EXPECT_EQ(boxes.shown[1].text,
            Subs::ErrorReportText(7, "Out of memory", "Subs", "BuildTreeView", "more"));
  EXPECT_EQ(boxes.shown[2].text, Subs::ErrorReportText(51, "vector index", "Subs", "GetTasks", ""));
}

}  // namespace
