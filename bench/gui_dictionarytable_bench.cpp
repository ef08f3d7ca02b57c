// The dictionary table on a large dictionary: making the tables, a filter typed letter by letter,
// sorting by a column, and counting the usage over a text, in milliseconds.
//
// Usage: gui_dictionarytable_bench DICTIONARY.xml TEXT.xml   (bench/dictionarytable.sh makes both)
#include "common/prompter.h"
#include "dictionary/dictionary.h"
#include "search/dictionaryusage.h"
#include "views/dictionarytablemodel.h"

#include <QApplication>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

using namespace pelmora;
using namespace pelmora::gui;

namespace {

template <typename F>
double millis(F&& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gui_dictionarytable_bench DICTIONARY.xml TEXT.xml\n");
        return 2;
    }
    SilentPrompter quiet;
    CDictionary dictionary(quiet);
    const double open = millis([&] { dictionary.openWithPath(argv[1]); });
    if (!dictionary.isValid())
        return 1;
    std::vector<std::unique_ptr<DictionaryTableModel>> models;
    const double make = millis([&] {
        for (DictSection section : kDictSections)
            models.push_back(std::make_unique<DictionaryTableModel>(dictionary, section));
    });
    DictionaryTableModel& words = *models[0];
    std::printf("dictionary: %zu word-form and %zu lemma analyses; open %.1f ms, three tables made %.1f ms\n",
                words.total(), models[1]->total(), open, make);

    // A filter typed and taken back letter by letter, all three tables at each keystroke, as the dialog does.
    const char* typed[] = {"k", "ka", "kal", "ka", "k", ""};
    double worst = 0;
    double sum = 0;
    for (const char* text : typed) {
        const double t = millis([&] {
            for (auto& model : models)
                model->setFilter(QString::fromUtf8(text));
        });
        std::printf("  filter \"%s\": %d word forms shown, %.2f ms\n", text, words.rowCount(), t);
        worst = std::max(worst, t);
        sum += t;
    }
    std::printf("filter keystroke: mean %.2f ms, worst %.2f ms\n", sum / std::size(typed), worst);

    const double firstSort = millis([&] { words.sort(1, Qt::AscendingOrder); });
    const double againSort = millis([&] { words.sort(1, Qt::DescendingOrder); });
    const double filteredSorted = millis([&] { words.setFilter("ka"); });
    std::printf("sort by lemma: first %.1f ms (collation keys), reversed %.2f ms, filter while sorted %.2f ms\n",
                firstSort, againSort, filteredSorted);

    DictionaryUsage usage;
    const double count = millis([&] { countDictionaryUsage({argv[2]}, usage); });
    const double apply = millis([&] {
        for (auto& model : models)
            model->setUsage(&usage);
    });
    std::printf("usage: %zu tokens counted in %.1f ms (background), applied to the tables in %.1f ms\n",
                usage.tokens(), count, apply);
    return 0;
}
