// "Ühend": the lemma, meaning and part of speech of a new combination, with the candidates of the
// text and the dictionary, and whether the dictionary learns it.
#pragma once

#include "annotation/combining.h"
#include "dialogs/choicelists.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

namespace pelmora::gui {

namespace Ui { class CombinationDialog; }

class CombinationDialog final : public QDialog {
    Q_OBJECT
public:
    // `words` is shown, `proposedLemma` fills "&Märksõna", `toDictionary` the check box.
    CombinationDialog(const QString& words, const QString& proposedLemma,
                      std::vector<CombinationCandidate> candidates, bool toDictionary, QWidget* parent = nullptr);
    ~CombinationDialog() override;

    // The entered values; the part of speech as its code ("-" for none).
    CombinationFields fields() const;
    bool toDictionary() const;

private:
    void takeCandidate(int row);
    void updateOk();

    std::unique_ptr<Ui::CombinationDialog> m_ui;
    std::vector<CombinationCandidate> m_candidates;
    ChoiceList m_partsOfSpeech;
};

}  // namespace pelmora::gui
