#include "cli/SliceCommand.h"

#ifdef VORNADESK_HAVE_DRAW

#include <QImage>
#include <QPainter>

#include <charconv>
#include <optional>
#include <vector>

#include "Helpers/EnBitmap.h"
#include "Helpers/SkinBaseImage.h"
#include "Resource/AtomicFile.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "cli/PackageOpen.h"
#include "cli/PngOutput.h"
#endif

namespace cli {
namespace {

constexpr const char* kSliceHelp =
    "usage: vornadesk-cli slice PKG PICTURE --rect L,T,R,B --size WxH -o OUT.png\n"
    "                           [--corners LW,TH,RW,BH] [--stretch TLRBC] [--key R,G,B] [--password PW]\n"
    "\n"
    "Draws the rectangle L,T,R,B of the package's picture PICTURE (name compared ignoring case) in nine\n"
    "parts into a transparent W x H image and writes it as a PNG file.\n"
    "\n"
    "--corners  left width, top height, right width, bottom height of the corners (default 0,0,0,0)\n"
    "--stretch  five digits for the top, left, right and bottom edges and the centre: 0 tile, 1 stretch\n"
    "           (default 00000)\n"
    "--key      the colour drawn transparent\n"
    "Sizes are 1 to 16384 pixels.\n"
    "\n"
    "Exit status: 0 success, 1 usage error, 2 unknown file format, 3 wrong password, 4 other bad input\n"
    "(no such picture, a picture that does not decode, a rectangle outside it), 5 the output cannot be\n"
    "written.\n";

}  // namespace

#ifdef VORNADESK_HAVE_DRAW

namespace {

constexpr const char* kUsageLine =
    "usage: vornadesk-cli slice PKG PICTURE --rect L,T,R,B --size WxH -o OUT.png [--corners LW,TH,RW,BH] "
    "[--stretch TLRBC] [--key R,G,B] [--password PW]";

const std::string& Required(const Options& o, const char* name) {
    const std::string* v = o.Get(name);
    if (!v)
        Fail(kUsage, std::string(name) + " is required; " + kUsageLine);
    return *v;
}

}  // namespace

int SliceCommand(const Args& args) {
    if (WantsHelp(args))
        return WriteStdout(kSliceHelp), kOk;
    const Options o = ParseOptions(args, {"--rect", "--corners", "--stretch", "--key", "--password", "--size"});
    if (o.positional.size() != 2)
        Fail(kUsage, kUsageLine);
    const std::string& package = o.positional[0];
    const std::string& pictureName = o.positional[1];

    // Every argument is checked before the package is opened.
    constexpr int kMax = kMaxImageDimension;
    const std::vector<int> rect = NumberList("--rect", Required(o, "--rect"), 4, ',', 0, kMax, "L,T,R,B");
    if (rect[0] >= rect[2] || rect[1] >= rect[3])
        Fail(kUsage, "--rect: the rectangle " + Required(o, "--rect") + " is empty (R must exceed L, B exceed T)");
    const std::vector<int> size = NumberList("--size", Required(o, "--size"), 2, 'x', 1, kMax, "WxH");
    const std::string& out = Required(o, "-o");
    if (out.empty())
        Fail(kUsage, "-o: the output path is empty");
    std::vector<int> corners = {0, 0, 0, 0};
    if (const std::string* c = o.Get("--corners"))
        corners = NumberList("--corners", *c, 4, ',', 0, kMax, "LW,TH,RW,BH");
    if (corners[0] + corners[2] > rect[2] - rect[0] || corners[1] + corners[3] > rect[3] - rect[1])
        Fail(kUsage, "--corners: the corners do not fit into the rectangle (LW + RW must not exceed its width, "
                     "TH + BH its height)");
    std::string modes = "00000";
    if (const std::string* s = o.Get("--stretch")) {
        if (s->size() != 5 || s->find_first_not_of("01") != std::string::npos)
            Fail(kUsage, "--stretch: expected five digits 0 (tile) or 1 (stretch) for the top, left, right and "
                         "bottom edges and the centre, got '" + *s + "'");
        modes = *s;
    }
    vd::ColorKey key;
    if (const std::string* k = o.Get("--key")) {
        const std::vector<int> rgb = NumberList("--key", *k, 3, ',', 0, 255, "R,G,B");
        key = Color(rgb[0], rgb[1], rgb[2]);
    }
    const std::string password = PasswordOption(o);

    CSkinDocument doc;
    OpenOrFail(doc, package, password);
    const Picture* picture = doc.Pictures().FindByName(pictureName);
    if (!picture)
        Fail(kBadPackage, package + ": the package has no picture named '" + pictureName + "'");
    if (!picture->image || picture->image->IsEmpty()) {
        const std::string why = picture->image ? picture->image->ErrorText() : std::string();
        Fail(kBadPackage, package + ": the picture '" + picture->name + "' cannot be decoded" +
                              (why.empty() ? std::string() : ": " + why));
    }
    const int pw = picture->image->Width(), ph = picture->image->Height();
    if (rect[2] > pw || rect[3] > ph)
        Fail(kBadPackage, "--rect " + Required(o, "--rect") + " reaches outside the picture '" + picture->name +
                              "' (" + std::to_string(pw) + " x " + std::to_string(ph) + ")");

    SkinImageBase record;
    record.image = picture->image;
    record.name = picture->name;
    record.left = rect[0], record.top = rect[1], record.right = rect[2], record.bottom = rect[3];
    record.leftWidth = corners[0], record.topHeight = corners[1];
    record.rightWidth = corners[2], record.bottomHeight = corners[3];
    record.topMode = modes[0] - '0', record.leftMode = modes[1] - '0', record.rightMode = modes[2] - '0';
    record.bottomMode = modes[3] - '0', record.centerMode = modes[4] - '0';

    QImage canvas(size[0], size[1], QImage::Format_ARGB32_Premultiplied);
    if (canvas.isNull())
        Fail(kBadPackage, "cannot allocate a " + std::to_string(size[0]) + " x " + std::to_string(size[1]) + " image");
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        // A key given on the command line is meant to be used, for BMP pictures too.
        vd::DrawSkinImage(painter, canvas.rect(), record, key, key.has_value());
    }

    WritePngOrFail(canvas, out);
    return kOk;
}

#else  // built without the drawing library

int SliceCommand(const Args& args) {
    if (WantsHelp(args))
        return WriteStdout(kSliceHelp), kOk;
    Fail(kUsage, "slice: this vornadesk-cli was built without drawing support");
}

#endif

}  // namespace cli
