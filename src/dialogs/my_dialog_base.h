// The window behind the seven parameter dialogs: edits and sliders named by
// their template ids, the exchange with the dialog's members and its range
// checks, and the modal run (or the test hook in its place).
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QGridLayout;
class QLabel;
class QLineEdit;
class QSlider;

class ParamDialog : public QDialog {
public:
    // `title`, `okText`, `cancelText` in UTF-8.
    ParamDialog(const char* title, const char* okText, const char* cancelText);

    // The body the dialogs lay their controls out in; the buttons sit below.
    QGridLayout* Body() const { return m_pBody; }

    // Controls. Each is named by its template id (objectName "1022"), which
    // is how tests find it. `widthDu` is the width in dialog units.
    QLineEdit* MakeEdit(int id, int widthDu = 38);
    QSlider* MakeSlider(int id);
    // A left-aligned label without id.
    QLabel* MakeLabel(const char* utf8);
    // A centred static text; id 0 for a fixed caption.
    QLabel* MakeStatic(int id, const std::string& utf8);

    // The exchange, in the order the checks run. Each call shows the member
    // in its edit (or the position on its slider) at once.
    void ExchangeDouble(int id, double* value, double min, double max);
    void ExchangeInt(int id, int* value, double min, double max);
    // Slider positions: range, and the member it opens at and is written
    // back to when the user moved it. A double position is truncated.
    void ExchangeSlider(int id, double* pos, int min, int max);
    void ExchangeSlider(int id, int* pos, int min, int max);

    // Whether a dialog may be built and shown: widgets can exist and someone
    // (a user or the test hook) could answer it. DoModal answers IDCANCEL
    // without building anything when not.
    static bool CanRun();

    // Modal run: the test hook when one is installed; IDCANCEL at once where
    // nobody could answer (offscreen and minimal platforms); else exec().
    int Run();

    // OK: checks every edit in exchange order; stores only when all pass.
    void accept() override;

private:
    struct EditField {
        QLineEdit* edit;
        QString shown; // the text the edit opened with
        double* dValue;
        int* nValue;
        double min, max;
    };
    struct SliderField {
        QSlider* slider;
        int opened; // the position it opened at
        double* dPos;
        int* nPos;
    };
    QLineEdit* FindEdit(int id) const;
    QSlider* FindSlider(int id) const;
    void AddSlider(int id, double* dPos, int* nPos, int opened, int min, int max);
    void Fail(const EditField& field, const QString& message);
    int DialogUnits(int du) const;

    QGridLayout* m_pBody = nullptr;
    std::vector<EditField> m_edits;
    std::vector<SliderField> m_sliders;
};

// --- Tests ----------------------------------------------------------------

// Installed by tests in place of the modal run: the hook receives every
// parameter dialog filled and unshown, may change its edits and sliders and
// calls accept() (which may refuse, as OK does) or reject(). DoModal then
// returns IDOK when the dialog was accepted, else IDCANCEL. An empty
// function removes the hook.
using ParamDialogHook = std::function<void(QDialog&)>;
void SetParamDialogHook(ParamDialogHook hook);

// The controls of a dialog by their template ids, or null.
QLineEdit* FindDialogEdit(QDialog& dialog, int id);
QSlider* FindDialogSlider(QDialog& dialog, int id);
QLabel* FindDialogStatic(QDialog& dialog, int id);
