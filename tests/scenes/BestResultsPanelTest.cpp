// How the best results are written on the title and the result screen.
#include <gtest/gtest.h>

#include "scenes/BestResultsPanel.h"

namespace {

TEST(BestResultsPanelTest, ResultsAreWrittenWithTheirUnitsAndNoResultAsADash)
{
    const struct {
        std::optional<int> value;
        ResultUnit unit;
        const char* text;
    } cases[] = {
        {std::nullopt, ResultUnit::Count, "-"},
        {std::nullopt, ResultUnit::Percent, "-"},
        {std::nullopt, ResultUnit::Time, "-"},
        {86, ResultUnit::Count, "86"},
        {46, ResultUnit::Percent, "46%"},
        {0, ResultUnit::Time, "0:00.00"},
        {1, ResultUnit::Time, "0:00.01"},         // a sixtieth of a second, cut to hundredths
        {59, ResultUnit::Time, "0:00.98"},
        {60, ResultUnit::Time, "0:01.00"},
        {4723, ResultUnit::Time, "1:18.71"},      // the recorded route
        {3600 * 12 + 59 * 60 + 59, ResultUnit::Time, "12:59.98"},
    };
    for (const auto& c : cases) EXPECT_EQ(ResultText(c.value, c.unit), c.text) << c.text;
}

} // namespace
