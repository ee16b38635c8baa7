// tethrix-calc in the flier's language: --help, standard error and the
// report translated; standard output and exit statuses never.
#include "tools/CalcCli.h"
#include "case/ReportLines.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct CliRun {
    int status;
    std::string out, err;
};

// language: TETHRIX_LANG's value.
CliRun Calc(const std::vector<std::string> &args, const ReportRenderer &render = nullptr,
            const std::string &language = "")
{
    std::ostringstream out, err;
    const int status = RunCalc(args, out, err, CalcServices{render, nullptr, nullptr, language});
    return {status, out.str(), err.str()};
}

std::string TempFile(const std::string &name, const std::string &content)
{
    const std::string path = ::testing::TempDir() + name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

}  // namespace

TEST(TethrixCalc, a_language_changes_help_and_standard_error_never_standard_output)
{
    const std::string a = TempFile("la.TQD", "an=Lap Time\r\nls=0.015\r\n"), b = TempFile("lb.TQD", "ls=0.018\r\n");
    const std::vector<std::vector<std::string>> same = {
        {"lt=5"}, {"--json", "Temp=90"}, {"--sweep", "lt=4:5:0.5"}, {"--compare", a, b, "--csv"}, {"lt=0"}};
    for (const auto &args : same)
        for (const auto &[lang, env] : {std::pair{"--lang=de", ""}, {"--lang=pt-BR", "ru"}, {"", "uk_UA.UTF-8"}}) {
            std::vector<std::string> asked = args;
            if (*lang)
                asked.insert(asked.begin(), lang);
            const CliRun english = Calc(args), other = Calc(asked, nullptr, env);
            EXPECT_EQ(other.out, english.out) << args[0] << " " << lang << env;
            EXPECT_EQ(other.status, english.status) << args[0];
        }
    // A file that cannot be read: the reason in German, the path as it is.
    EXPECT_EQ(Calc({"--lang", "de", "/tmp"}).err,
              "tethrix-calc: Datei kann nicht geöffnet werden: /tmp: es ist ein Ordner, keine Datei\n");
    EXPECT_NE(Calc({"--help"}, nullptr, "uk").out.find("(типово 75)"), std::string::npos);
    EXPECT_NE(Calc({"--help"}).out.find("  --lang CODE the language of --help"), std::string::npos);

    for (const std::vector<std::string> &bad : {std::vector<std::string>{"--lang", "xx"}, {"--lang"}, {"--lang="}}) {
        const CliRun r = Calc(bad, nullptr, "de");
        EXPECT_EQ(r.status, 2) << bad.back();
        EXPECT_NE(r.err.find("en, de, fr, es, it, pl, pt_BR, ru, uk"), std::string::npos) << r.err;
    }
    EXPECT_EQ(Calc({"--lang", "de", "--lang=fr"}).status, 2);
    EXPECT_EQ(Calc({"--", "--lang"}).err.rfind("tethrix-calc: Cannot Open File --lang: ", 0), 0u);  // a file
    const CliRun unknown = Calc({"lt=5"}, nullptr, "klingon");
    EXPECT_EQ(unknown.out, Calc({"lt=5"}).out);
    EXPECT_EQ(unknown.err.rfind("tethrix-calc: warning: TETHRIX_LANG=klingon is not a language", 0), 0u);

    // The report in Russian: captions and units translated, what was typed
    // and the name compared with as they are; in English, the rows as ever.
    std::vector<ReportRow> drawn, own;
    const ReportRenderer keep = [&](const ReportLines &lines, const std::vector<ReportRow> &rows, std::string &pdf) {
        drawn = rows, own = ReportRows(lines), pdf = "%PDF";
        return std::string();
    };
    const std::string pdf = ::testing::TempDir() + "ru.pdf";
    ASSERT_EQ(Calc({"--lang", "ru", "--compare", a, b, "--report", pdf}, keep).status, 0);
    std::string page;
    for (const ReportRow &row : drawn)
        page += row.text + "\n";
    for (const char *row : {"Входные данные\n", "Диаметр корд = 0.018 дюйм.\n", "В сравнении с A: Lap Time (",
                            "Температура = 75 °F\n", "\n*** Tethrix — калькулятор регулировки кордовых моделей"})
        EXPECT_NE(page.find(row), std::string::npos) << row << "\n" << page;
    ASSERT_EQ(Calc({"--compare", a, b, "--report", pdf}, keep).status, 0);
    ASSERT_EQ(drawn.size(), own.size());
    for (size_t i = 0; i < own.size(); ++i)
        EXPECT_EQ(drawn[i].text, own[i].text);
}
