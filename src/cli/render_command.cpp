#include "cli/render_command.h"

#include <QGuiApplication>
#include <optional>

#include "cli/commands.h"
#include "cli/pattern_command.h"
#include "core/fault.h"
#include "plots/image/render3d_image.h"

namespace ondarel::cli {

namespace {

std::optional<int> wholeNumber(const std::string& text)
{
    bool ok = false;
    const int v = QString::fromStdString(text).toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

struct RenderOptions {
    View3d view;
    std::string out;
    std::vector<std::string> rest;  // <ext> name=value ...
};

// The view's scroll-bar ranges: rotations 0 … 360, scale 1 … 500 %, resolution 50 … 640.
bool inRange(int v, int low, int high) { return v >= low && v <= high; }

std::optional<RenderOptions> parse(const std::vector<std::string>& args, std::ostream& err)
{
    RenderOptions o;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--out" && hasValue) {
            o.out = args[++i];
        } else if (a == "--rot" && hasValue) {
            const QStringList parts = QString::fromStdString(args[++i]).split(',');
            std::optional<int> r[3];
            for (int k = 0; k < 3 && parts.size() == 3; ++k) r[k] = wholeNumber(parts[k].toStdString());
            if (!r[0] || !r[1] || !r[2] || !inRange(*r[0], 0, 360) || !inRange(*r[1], 0, 360) ||
                !inRange(*r[2], 0, 360)) {
                err << "--rot takes three whole numbers from 0 to 360: x,y,z\n";
                return std::nullopt;
            }
            o.view.rotationX_deg = *r[0];
            o.view.rotationY_deg = *r[1];
            o.view.rotationZ_deg = *r[2];
        } else if ((a == "--scale" || a == "--res") && hasValue) {
            const auto v = wholeNumber(args[++i]);
            const bool scale = a == "--scale";
            if (!v || !inRange(*v, scale ? 1 : 50, scale ? 500 : 640)) {
                err << (scale ? "--scale takes a whole number from 1 to 500\n"
                              : "--res takes a whole number from 50 to 640\n");
                return std::nullopt;
            }
            (scale ? o.view.scalePercent : o.view.resolution) = *v;
        } else if (a.rfind("--", 0) == 0) {
            err << "unknown option '" << a << "'\n";
            return std::nullopt;
        } else {
            o.rest.push_back(a);
        }
    }
    if (o.out.empty() || o.rest.empty()) {
        err << "usage: ondarel-calc render3d <ext> name=value ... --out file.png [--rot x,y,z] [--scale s] [--res r]\n";
        return std::nullopt;
    }
    return o;
}

}  // namespace

int runRender3d(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    const auto options = parse(args, err);
    if (!options) return kUsage;
    return withPatternFields(options->rest, false, out, err,
                             [&](const CalculatorDescriptor&, const PatternSource& source, const FieldTexts& fields) {
                                 if (!QGuiApplication::instance()) {
                                     qputenv("QT_QPA_PLATFORM", "offscreen");
                                     static int argc = 1;
                                     static char name[] = "ondarel-calc";
                                     static char* argv[] = {name, nullptr};
                                     new QGuiApplication(argc, argv);
                                 }
                                 const PatternFunction f =
                                     source.function ? source.function(fields) : PatternFunction();
                                 const QImage image = renderPatternImage(f, source.functionDependsOnPhi, options->view,
                                                                         Palette3d{}, QFont("Sans Serif", 8));
                                 if (!image.save(QString::fromStdString(options->out), "PNG")) raiseFileFault();
                                 return int(kComputed);
                             });
}

}  // namespace ondarel::cli
