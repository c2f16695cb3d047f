// The error report's page (exact HTML) and its rich-text rendering of the
// same fragments.
#include "ui/error_report_page.h"
#include "ui/error_report_rtf.h"

#include "report_components.h"

#include <gtest/gtest.h>

using test_support::AddReported;

namespace {

const char kHead[] = "<html><body style=\"font-family: Microsoft Sans Serif; font-size: 8pt; margin: 0px 0px 0px 0px; "
                     "padding: 0px 0px 0px 0px; \">";

std::string Panel(const std::string& exe, const std::string& name, const std::string& message) {
    return "<div style=\"background-image: URL(res://" + exe +
           "/PNG/top.png); background-repeat: repeat-x; background-size: 100%; padding: 5px 5px 5px 5px; \">"
           "<div style=\"font-weight: bold; color: #333399;\"><img src=\"res://" +
           exe + "/PNG/Error.png\" style=\"margin-right: 5px;\" />" + name + "</div><div>" + message +
           "</div></div>";
}

} // namespace

TEST(ErrorReportPageTest, OnePanelPerFailedComponentInListOrder) {
    OrvoComponents list;
    AddReported(list, ".NET Framework v4.8", "Setup failed.<br/>Code <b>1603</b>.");
    AddReported(list, "Microsoft Access Database Engine", "");
    AddReported(list, "Pellmore Components/PellLink", "Download failed & retried: 100%");
    const std::string exe = "C:\\Program Files\\Pellmore\\Orvo.exe";
    EXPECT_EQ(BuildErrorReportPage(list, exe),
              kHead + Panel(exe, ".NET Framework v4.8", "Setup failed.<br/>Code <b>1603</b>.") +
                  Panel(exe, "Pellmore Components/PellLink", "Download failed & retried: 100%") + "</body></html>");

    OrvoComponents none;
    AddReported(none, "Microsoft Access Database Engine", "");
    EXPECT_EQ(BuildErrorReportPage(none, exe), std::string(kHead) + "</body></html>");
}

TEST(ErrorReportPageTest, TextIsWrappedUnlessItStartsWithAnHtmlTag) {
    EXPECT_EQ(WrapAsHtmlDocument("<HTML><body>x</body></HTML>"), "<HTML><body>x</body></HTML>");
    EXPECT_EQ(WrapAsHtmlDocument("<p>x</p>"), "<html><body><p>x</p></body></html>");
    EXPECT_EQ(WrapAsHtmlDocument("<htm"), "<html><body><htm</body></html>");
    EXPECT_EQ(WrapAsHtmlDocument(""), "<html><body></body></html>");
}

TEST(ErrorReportRtfTest, FragmentsKeepLineBreaksAndBoldAndDropOtherTags) {
    EXPECT_EQ(ui::HtmlFragmentToRtf("Line one<br/>Line <b>two</b>"), "Line one\\par Line \\b two\\b0 ");
    EXPECT_EQ(ui::HtmlFragmentToRtf("a<BR>b<br />c<B>d</B >"), "a\\par b\\par c\\b d\\b0 ");
    EXPECT_EQ(ui::HtmlFragmentToRtf("<p class=\"x\">para</p><i>it</i><a href='u'>link</a>"), "paraitlink");
    EXPECT_EQ(ui::HtmlFragmentToRtf("<br/><br/>"), "\\par \\par ");
}

TEST(ErrorReportRtfTest, EntitiesAreDecodedAndRtfCharactersEscaped) {
    EXPECT_EQ(ui::HtmlFragmentToRtf("&lt;b&gt; &amp; &quot;q&quot;&nbsp;x"), "<b> & \"q\"\\~x");
    EXPECT_EQ(ui::HtmlFragmentToRtf("C:\\Temp\\{x}"), "C:\\\\Temp\\\\\\{x\\}");
    EXPECT_EQ(ui::HtmlFragmentToRtf("caf\xe9"), "caf\\'e9");
    EXPECT_EQ(ui::HtmlFragmentToRtf(std::string("a\x01\x7f&#0;b", 8)), "a\\'01\\'7f\\'00b") << "control bytes";
    EXPECT_EQ(ui::HtmlFragmentToRtf("&#169; &#x41;"), "\\u169? A");
    EXPECT_EQ(ui::HtmlFragmentToRtf("&unknown; & alone"), "&unknown; & alone");
    EXPECT_EQ(ui::HtmlFragmentToRtf("a < b"), "a < b") << "an unclosed tag is text";
    EXPECT_EQ(ui::HtmlFragmentToRtf("two\r\nlines"), "two  lines") << "line ends are white space in HTML";
}

TEST(ErrorReportRtfTest, PictureIsABottomUpDibFlattenedOntoTheBackground) {
    // Top row: transparent; bottom row: premultiplied half-transparent red.
    const uint32_t pixels[2] = {0x00000000u, 0x80800000u};
    std::string picture = ui::RtfPicture(1, 2, pixels, RGB(0, 0, 255));
    // One background column more than the image.
    const std::string start = "{\\pict\\dibitmap0\\picw2\\pich2\\picwgoal30\\pichgoal30 ";
    ASSERT_EQ(picture.compare(0, start.size(), start), 0) << picture;
    std::string hex;
    for (char c : picture.substr(start.size())) {
        if (isxdigit(static_cast<unsigned char>(c))) hex += c;
    }
    // BITMAPINFOHEADER: size 40, width 2, height 2 (bottom-up), 1 plane, 32 bits.
    EXPECT_EQ(hex.substr(0, 32), "28000000020000000200000001002000");
    ASSERT_EQ(hex.size(), 80u + 5u * 8u);
    // Pixels as B, G, R, A; rows bottom first, each led by the background:
    // red 128 + 0 = 128, blue 0 + (255 * 127 + 127) / 255 = 127 (0x7f).
    EXPECT_EQ(hex.substr(80, 16), "ff0000ff" "7f0080ff") << "bottom row";
    EXPECT_EQ(hex.substr(96, 16), "ff0000ff" "ff0000ff") << "top row: transparent is the background";
    EXPECT_EQ(hex.substr(112), "ff0000ff") << "the spare pixel after the bits";
    EXPECT_EQ(picture.back(), '}');
    EXPECT_EQ(ui::RtfPicture(0, 0, pixels, 0), "");
}

TEST(ErrorReportRtfTest, DocumentHasOnePanelPerFailedComponent) {
    OrvoComponents list;
    AddReported(list, "First", "one<br/>two");
    AddReported(list, "Fine", "");
    AddReported(list, "Second & Co", "<b>bad</b>");
    EXPECT_EQ(ui::BuildErrorReportRtf(list, "{PIC}", "Tahoma", 1252),
              "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Tahoma;}}"
              "{\\colortbl ;\\red51\\green51\\blue153;}\\pard\\f0\\fs16 "
              "{PIC} {\\b\\cf1 First}\\par {one\\par two}\\par "
              "\\par {PIC} {\\b\\cf1 Second & Co}\\par {\\b bad\\b0 }\\par }");
}
