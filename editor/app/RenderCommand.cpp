// --render FILE -o OUT.png [--size WxH] [--angles X,Y,Z] [--mode 1|2]: opens a file as the
// editor does and writes the picture the main view would show as a PNG file: mode 1 with
// the legend and the title (the default), mode 2 the molecule alone.
#include "CommandLine.h"

#include "editor/core/Molekula.h"
#include "editor/files/Document.h"

#include "platform/Numbers.h"
#include "platform/Paths.h"

#include "shared/Texts.h"

#include <QGuiApplication>
#include <QImageWriter>
#include <iostream>

namespace {

// The largest picture side the command draws (a typo must not ask for gigabytes).
constexpr int LargestSide = 16384;

struct RenderOptions {
    std::string Input;
    std::string Output;
    int Width = 624;
    int Height = 456;
    double Angles[3] = {0, 0, 0};
    int Mode = 1;
};

bool Fail(const std::string& message) {
    std::cerr << ProgramName << ": --render: " << message << '\n';
    return false;
}

bool ParseSize(const std::string& text, RenderOptions& options) {
    const std::string lower = LowerAscii(text);
    int32_t w = 0, h = 0;
    if (lower.find('x') == std::string::npos || !platform::ParseInt(GetField(lower, 1, 'x'), w) ||
        !platform::ParseInt(GetField(lower, 2, 'x'), h) || w < 1 || h < 1 || w > LargestSide ||
        h > LargestSide || !GetField(lower, 3, 'x').empty())
        return Fail("--size wants WIDTHxHEIGHT, each 1.." + std::to_string(LargestSide) +
                    ", not \"" + text + "\"");
    options.Width = w;
    options.Height = h;
    return true;
}

bool ParseAngles(const std::string& text, RenderOptions& options) {
    for (int i = 0; i < 3; ++i)
        if (!platform::ParseNumber(GetField(text, i + 1, ','), options.Angles[i]))
            return Fail("--angles wants three numbers X,Y,Z in degrees, not \"" + text + "\"");
    if (!GetField(text, 4, ',').empty())
        return Fail("--angles wants three numbers X,Y,Z in degrees, not \"" + text + "\"");
    return true;
}

bool ParseOptions(const std::vector<std::string>& parameters, RenderOptions& options) {
    for (size_t i = 0; i < parameters.size(); ++i) {
        const std::string& p = parameters[i];
        const bool takesValue = p == "-o" || SameTextAscii(p, "--size") ||
                                SameTextAscii(p, "--angles") || SameTextAscii(p, "--mode");
        if (takesValue && i + 1 >= parameters.size())
            return Fail(p + " needs a value");
        if (p == "-o") {
            options.Output = parameters[++i];
        } else if (SameTextAscii(p, "--size")) {
            if (!ParseSize(parameters[++i], options))
                return false;
        } else if (SameTextAscii(p, "--angles")) {
            if (!ParseAngles(parameters[++i], options))
                return false;
        } else if (SameTextAscii(p, "--mode")) {
            const std::string& mode = parameters[++i];
            if (mode != "1" && mode != "2")
                return Fail("--mode wants 1 (with legend and title) or 2, not \"" + mode + "\"");
            options.Mode = mode[0] - '0';
        } else if (IsSwitchParameter(p)) {
            return Fail("unknown switch " + p);
        } else if (options.Input.empty()) {
            options.Input = p;
        } else {
            return Fail("only one file can be drawn, got \"" + options.Input + "\" and \"" + p +
                        "\"");
        }
    }
    if (options.Input.empty())
        return Fail("no file to draw");
    if (options.Output.empty())
        return Fail("no output file (-o OUT.png)");
    return true;
}

int RunRender(const CommandParameters& parameters) {
    RenderOptions options;
    if (!ParseOptions(parameters.Ordered, options))
        return 2;

    // Fonts need an application; without a display it draws off-screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "TevanoChem";
    char* argv[] = {name, nullptr};
    QGuiApplication application(argc, argv);

    // The main window's model: the element definitions beside the program, no atoms of
    // its own, then the file.
    TMolekula molecule;
    molecule.LoadElements(platform::ChangeFileExt(platform::ProgramFilePath(), ".def"));
    molecule.ClearAtoms();
    molecule.ClearWires();
    TDocument document;
    TFileError error;
    if (!OpenFile(molecule, document, options.Input, &error)) {
        std::cerr << ProgramName << ": " << error.Describe() << '\n';
        return 1;
    }

    molecule.SetViewSize(options.Width, options.Height);
    molecule.SetAngleX(options.Angles[0]);
    molecule.SetAngleY(options.Angles[1]);
    molecule.SetAngleZ(options.Angles[2]);
    if (options.Mode == 1)
        molecule.DrawView();
    else
        molecule.Draw(molecule.View, 2, molecule.AngleX, molecule.AngleY, molecule.AngleZ);

    QImageWriter writer(QString::fromLocal8Bit(options.Output), "png");
    if (!writer.write(molecule.View.Picture())) {
        std::cerr << ProgramName << ": --render: cannot write " << options.Output << ": "
                  << writer.errorString().toStdString() << '\n';
        return 1;
    }
    std::cout << "rendered " << options.Input << " -> " << options.Output << '\n';
    return 0;
}

const RegisteredCommand command{{"--render",
                                 "FILE -o OUT.png [--size WxH] [--angles X,Y,Z] "
                                 "[--mode 1|2]",
                                 "draws the file as the main view shows it into a PNG file",
                                 RunRender}};

} // namespace
