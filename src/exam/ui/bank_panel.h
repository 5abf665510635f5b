#pragma once
// The 科举 panel Frame2(5): the bank list with its category options and keyword box, the
// toolbar 清空 添加 修改 考试 迷你, and the add and edit overlays Frame2(9) and Frame2(10)
// that write test.dat through the bank writers.

#include "exam/bank_writer.h"

#include <QAbstractListModel>
#include <QObject>
#include <array>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QRadioButton;
class QWidget;

namespace ui {
class DcButton;
}

namespace exam::ui {

// Notes the size and modification time of test.dat in the bank state, as read or written.
void stampBankFile();

// The bank list's rows: row k shows the list line of bank row rows[k] (the browser's view).
class BankListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    // The view asks for every row's index when it lays the list out: no detour through
    // rowCount and columnCount.
    QModelIndex index(int row, int column = 0, const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void setRows(std::vector<std::size_t> rows);
    const std::vector<std::size_t>& rows() const { return m_rows; }

private:
    std::vector<std::size_t> m_rows;
};

class BankPanel : public QObject {
    Q_OBJECT
public:
    BankPanel(QWidget* bankFrame, QWidget* addFrame, QWidget* editFrame, std::function<void()> openExam,
              std::function<void()> openMini);

    // The toolbar Button17(i) and the overlays' buttons Button22(i), Button23(i).
    void toolbarClick(int i);
    void addPanelClick(int i);
    void editPanelClick(int i);
    // Option3(k) chosen; the keyword box changed; an item of the list chosen.
    void categoryClick(int k);
    void keywordChange();
    void listClick(int item);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildBrowser(QWidget* f);
    void buildAddPanel(QWidget* f);
    void buildEditPanel(QWidget* f);
    void resetBrowser(std::uint32_t captionColour);
    void backToBrowser(QWidget* overlay, std::uint32_t captionColour);
    // The write of one change as a transaction; true when the file and the bank hold it.
    bool commit(const std::function<BankWrite(std::string_view, const QuestionBank&, std::size_t)>& writer);
    bool editKey(QLineEdit* box, QPlainTextEdit* preview, bool rejectQuote, int key, const QString& text,
                 bool paste);
    static bool anyEmpty(const std::array<QLineEdit*, 5>& boxes);
    QuestionFields fieldsOf(QComboBox* category, const std::array<QLineEdit*, 5>& boxes) const;

    QWidget* m_bankFrame;
    QWidget* m_addFrame;
    QWidget* m_editFrame;
    std::function<void()> m_openExam;
    std::function<void()> m_openMini;

    std::array<QRadioButton*, 12> m_options{};
    QLineEdit* m_keyword = nullptr;
    QListView* m_list = nullptr;
    BankListModel* m_model = nullptr;
    QPlainTextEdit* m_shown = nullptr;  // Text19(0)
    QPlainTextEdit* m_answer = nullptr; // Text19(1)

    QComboBox* m_addCategory = nullptr; // Combo5
    QLineEdit* m_addNumber = nullptr;   // Text23
    QLabel* m_addStatus = nullptr;      // Label19
    QPlainTextEdit* m_addPreview = nullptr;
    std::array<QLineEdit*, 5> m_addBoxes{};

    QComboBox* m_editCategory = nullptr; // Combo6
    QLineEdit* m_editNumber = nullptr;   // Text25
    QLabel* m_editStatus = nullptr;      // Label20
    QPlainTextEdit* m_editPreview = nullptr;
    std::array<QLineEdit*, 5> m_editBoxes{};
    std::size_t m_editRow = 0;
    bool m_modifyArmed = false;
    bool m_deleteArmed = false;
};

} // namespace exam::ui
