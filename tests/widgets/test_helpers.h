#pragma once
// Small helpers shared by the widget tests: typing into a box, and the
// output of the PDF tools run on a printed file.

#include <QLineEdit>
#include <QString>
#include <QTest>

#include <cstdio>
#include <string>

namespace ovix::test {

// Replaces the text of `box` by typing `text` into it.
inline void typeInto(QLineEdit *box, const QString &text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

// What `command` writes to its standard output.
inline std::string commandOutput(const std::string &command)
{
    std::string output;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        output.append(buffer, count);
    pclose(pipe);
    return output;
}

// The text of a PDF file as pdftotext gives it in `mode` ("-layout", "-bbox").
inline std::string pdfText(const std::string &pdf, const char *mode = "-layout")
{
    return commandOutput("pdftotext " + std::string(mode) + " '" + pdf + "' -");
}

// The size of a PDF file's first page in points (1/72 inch) as pdfinfo reads
// it from the file; 0 x 0 when it cannot be read.
struct PdfPageSize {
    double width = 0;
    double height = 0;
};
inline PdfPageSize pdfPageSize(const std::string &pdf)
{
    const std::string info = commandOutput("pdfinfo '" + pdf + "'");
    PdfPageSize size;
    const size_t at = info.find("Page size:");
    if (at == std::string::npos
        || std::sscanf(info.c_str() + at, "Page size: %lf x %lf", &size.width, &size.height) != 2)
        return {};
    return size;
}

// Millimetres of points.
inline double millimetres(double points)
{
    return points * 25.4 / 72;
}

} // namespace ovix::test
