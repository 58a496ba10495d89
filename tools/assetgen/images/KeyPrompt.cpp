#include "images/KeyPrompt.h"

#include "images/Lettering.h"
#include "images/Shapes.h"

void DrawKeyPrompt(const Canvas& canvas, const std::vector<PromptRun>& runs, double cx, double cy, double size,
                   double maxWidth, double outline)
{
    std::string whole;
    for (const PromptRun& run : runs) {
        whole += run.text;
    }
    while (MeasureText(whole, size).advance > maxWidth) {
        size -= 1;
    }
    TextStyle style;
    style.size = size;
    style.outline = outline;
    style.shadowOffset = 3;
    style.shadowBlur = 4;
    double x = cx - MeasureText(whole, size).advance / 2;
    const double baseline = cy + MeasureText("GEM", size).height / 2;
    for (const PromptRun& run : runs) {
        style.fillTop = run.key ? colours::kGold : colours::kWhite;
        style.fillBottom = run.key ? colours::kGoldDark : Hex(0xE1F5FE);
        x += DrawTextRun(canvas, run.text, x, baseline, style);
    }
}

void DrawPlate(cairo_t* cr, double x, double y, double w, double h, double alpha)
{
    cairo_new_path(cr);
    RoundedRectPath(cr, x, y, w, h, h / 2);
    SetColour(cr, Hex(0x1E1838), alpha);
    cairo_fill(cr);
}
