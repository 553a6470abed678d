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

} // namespace ovix::test
