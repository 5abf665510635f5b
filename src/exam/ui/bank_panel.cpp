#include "exam/ui/bank_panel.h"

#include "common/ui/controls.h"
#include "common/ui/dc_button.h"
#include "common/ui/messages.h"
#include "common/ui/save_file.h"
#include "common/ui/twips.h"
#include "exam/bank_search.h"
#include "exam/bank_state.h"
#include "exam/bank_warnings.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace exam::ui {

using ::ui::controlName;
using ::ui::DcButton;
using ::ui::qs;
namespace colours = ::ui::colours;

namespace {

// The keywords the search ignores (SearchIgnoreList).
const char* const kIgnoredKeywords[] = {"？", "，", "：", ")", "(", " "};

QPlainTextEdit* makeShowBox(QWidget* parent, const QString& name, std::uint32_t colour, int left, int top, int width,
                            int height)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    ::ui::setForeColour(box, colour);
    ::ui::placeTw(box, left, top, width, height);
    return box;
}

QLabel* boldBlue(QLabel* l)
{
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    ::ui::setForeColour(l, colours::Blue);
    return l;
}

QComboBox* makeCategoryBox(QWidget* parent, const char* name)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    for (std::string_view c : kQuestionCategories)
        combo->addItem(qs(c));
    return combo;
}

QLineEdit* makeNumberBox(QWidget* parent, const char* name)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    return box;
}

QString fromFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return QStringLiteral("打不开题库文件");
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return QStringLiteral("读不出题库文件");
    return {};
}

// Size and modification time of the file, or false when it cannot be seen.
bool fileStamp(long long& size, long long& time)
{
    std::error_code ec;
    const std::filesystem::path path{std::string(kBankFileName)};
    const auto bytes = std::filesystem::file_size(path, ec);
    if (ec)
        return false;
    const auto written = std::filesystem::last_write_time(path, ec);
    if (ec)
        return false;
    size = static_cast<long long>(bytes);
    time = static_cast<long long>(written.time_since_epoch().count());
    return true;
}

} // namespace

void stampBankFile()
{
    BankState& s = bankState();
    if (!fileStamp(s.fileSize, s.fileTime))
        s.fileSize = -1;
}

// ---- the list ----

int BankListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QModelIndex BankListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || column != 0 || row < 0 || static_cast<std::size_t>(row) >= m_rows.size())
        return {};
    return createIndex(row, 0);
}

QVariant BankListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || static_cast<std::size_t>(index.row()) >= m_rows.size())
        return {};
    const QuestionBank& bank = bankState().bank;
    const std::size_t row = m_rows[static_cast<std::size_t>(index.row())];
    return row < bank.count() ? qs(bank.listLine(row)) : QString();
}

void BankListModel::setRows(std::vector<std::size_t> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

// ---- building ----

BankPanel::BankPanel(QWidget* bankFrame, QWidget* addFrame, QWidget* editFrame, std::function<void()> openExam,
                     std::function<void()> openMini)
    : QObject(bankFrame), m_bankFrame(bankFrame), m_addFrame(addFrame), m_editFrame(editFrame),
      m_openExam(std::move(openExam)), m_openMini(std::move(openMini))
{
    buildBrowser(bankFrame);
    buildAddPanel(addFrame);
    buildEditPanel(editFrame);
}

void BankPanel::buildBrowser(QWidget* f)
{
    const char* const captions[5] = {"清空", "添加", "修改", "考试", "迷你"};
    for (int i = 0; i < 5; ++i) {
        auto* b = (new DcButton(f, "Button17", QString::fromUtf8(captions[i]), i))->at(120 + 780 * i, 120, 735, 315);
        connect(b, &DcButton::click, this, &BankPanel::toolbarClick);
    }
    ::ui::makeLabel(f, "Label7_0", QStringLiteral("请输入关键字"), 4200, 180);
    m_keyword = new QLineEdit(f);
    m_keyword->setObjectName("Text17");
    ::ui::placeTw(m_keyword, 5340, 120, 2235, 315);
    m_keyword->installEventFilter(this);
    connect(m_keyword, &QLineEdit::textChanged, this, &BankPanel::keywordChange);

    auto* group = new ::ui::CaptionFrame(f, QStringLiteral("分类查看"), colours::PanelBack, colours::Blue);
    group->setObjectName("Frame10");
    ::ui::placeTw(group, 120, 480, 1695, 3735);
    for (int k = 0; k < 12; ++k) {
        const QString caption = k == 0 ? QStringLiteral("全部题目") : k <= 10 ? qs(kQuestionCategories[k - 1]) : QString();
        auto* o = new QRadioButton(caption, group);
        o->setObjectName(controlName("Option3", k));
        ::ui::placeTw(o, 150, 240 + 300 * k, 1455, 285);
        ::ui::setForeColour(o, colours::Black);
        o->setVisible(k != 11);
        connect(o, &QRadioButton::clicked, this, [this, k] { categoryClick(k); });
        m_options[static_cast<std::size_t>(k)] = o;
    }
    m_options[11]->setChecked(true);

    m_model = new BankListModel(this);
    m_list = new QListView(f);
    m_list->setObjectName("List2");
    m_list->setModel(m_model);
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette p = m_list->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::Text, ::ui::bgr(colours::Blue));
    m_list->setPalette(p);
    ::ui::placeTw(m_list, 1920, 480, 5655, 2415);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& now) {
                if (now.isValid())
                    listClick(now.row());
            });
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& i) { listClick(i.row()); });

    m_shown = makeShowBox(f, "Text19_0", colours::Blue, 1920, 2985, 5655, 630);
    auto* caption = new QLineEdit(QStringLiteral("答案:"), f);
    caption->setObjectName("Text19_2");
    caption->setReadOnly(true);
    ::ui::setForeColour(caption, colours::Magenta);
    ::ui::placeTw(caption, 1920, 3690, 615, 315);
    m_answer = makeShowBox(f, "Text19_1", colours::Red, 2580, 3690, 4995, 525);
}

void BankPanel::buildAddPanel(QWidget* f)
{
    ::ui::makeLabel(f, "Label9_0", QStringLiteral("题目类型:"), 240, 300);
    m_addCategory = makeCategoryBox(f, "Combo5");
    ::ui::placeTw(m_addCategory, 1200, 240, 1695, 315);
    ::ui::makeLabel(f, "Label9_6", QStringLiteral("试题编号:"), 3120, 300);
    m_addNumber = makeNumberBox(f, "Text23");
    ::ui::placeTw(m_addNumber, 4080, 240, 855, 315);
    m_addStatus = boldBlue(::ui::makeLabel(f, "Label19", {}, 5100, 300, 2400, 255));
    m_addPreview = makeShowBox(f, "Text29", colours::Black, 240, 720, 7215, 840);
    QFont previewFont = m_addPreview->font();
    previewFont.setPointSizeF(10.5);
    m_addPreview->setFont(previewFont);
    const char* const labels[5] = {"添加题目:", "正确答案:", "错误答案:", "错误答案:", "错误答案:"};
    const std::uint32_t colourOf[5] = {colours::Blue, colours::Red, colours::Magenta, colours::Magenta,
                                       colours::Magenta};
    for (int i = 0; i < 5; ++i) {
        ::ui::makeLabel(f, controlName("Label9", 1 + i), QString::fromUtf8(labels[i]), 240, 1740 + 420 * i);
        auto* box = new QLineEdit(f);
        box->setObjectName(controlName("Text18", i));
        ::ui::setForeColour(box, colourOf[i]);
        ::ui::placeTw(box, 1200, 1680 + 420 * i, 5400, 330);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { m_addPreview->setPlainText(t); });
        m_addBoxes[static_cast<std::size_t>(i)] = box;
        boldBlue(::ui::makeLabel(f, controlName("Label9", 14 + i), QStringLiteral("(必填)"), 6720, 1740 + 420 * i));
    }
    const char* const buttons[3] = {"添加", "清空", "退出"};
    for (int i = 0; i < 3; ++i) {
        auto* b = (new DcButton(f, "Button22", QString::fromUtf8(buttons[i]), i))->at(1800 + 1560 * i, 3900, 1200, 345);
        connect(b, &DcButton::click, this, &BankPanel::addPanelClick);
    }
}

void BankPanel::buildEditPanel(QWidget* f)
{
    ::ui::makeLabel(f, "Label9_13", QStringLiteral("修改类型:"), 240, 300);
    m_editCategory = makeCategoryBox(f, "Combo6");
    ::ui::placeTw(m_editCategory, 1200, 240, 1695, 315);
    ::ui::makeLabel(f, "Label9_7", QStringLiteral("试题编号:"), 3120, 300);
    m_editNumber = makeNumberBox(f, "Text25");
    ::ui::placeTw(m_editNumber, 4080, 240, 855, 315);
    m_editStatus = boldBlue(::ui::makeLabel(f, "Label20", {}, 5100, 300, 2400, 255));
    m_editPreview = makeShowBox(f, "Text30", colours::Black, 240, 720, 7215, 840);
    QFont previewFont = m_editPreview->font();
    previewFont.setPointSizeF(10.5);
    m_editPreview->setFont(previewFont);
    const int labelIndex[5] = {12, 11, 10, 9, 8};
    const char* const labels[5] = {"修改题目:", "正确答案:", "错误答案:", "错误答案:", "错误答案:"};
    const std::uint32_t colourOf[5] = {colours::Blue, colours::Red, colours::Magenta, colours::Magenta,
                                       colours::Magenta};
    for (int i = 0; i < 5; ++i) {
        ::ui::makeLabel(f, controlName("Label9", labelIndex[i]), QString::fromUtf8(labels[i]), 240, 1740 + 420 * i);
        auto* box = new QLineEdit(f);
        box->setObjectName(controlName("Text26", i));
        ::ui::setForeColour(box, colourOf[i]);
        ::ui::placeTw(box, 1200, 1680 + 420 * i, 5400, 330);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this](const QString& t) { m_editPreview->setPlainText(t); });
        m_editBoxes[static_cast<std::size_t>(i)] = box;
        boldBlue(::ui::makeLabel(f, controlName("Label9", 19 + i), QStringLiteral("(必填)"), 6720, 1740 + 420 * i));
    }
    // Left to right: 修改 删除 取消 退出, indices 0 1 3 2.
    const int index[4] = {0, 1, 3, 2};
    const char* const buttons[4] = {"修改", "删除", "取消", "退出"};
    for (int i = 0; i < 4; ++i) {
        auto* b = (new DcButton(f, "Button23", QString::fromUtf8(buttons[i]), index[i]))
                      ->at(960 + 1560 * i, 3900, 1200, 345);
        connect(b, &DcButton::click, this, &BankPanel::editPanelClick);
    }
}

// ---- the browser ----

void BankPanel::categoryClick(int k)
{
    BankState& s = bankState();
    s.bankItemChosen = false;
    if (!m_keyword->text().isEmpty())
        m_keyword->setText({});
    m_shown->clear();
    m_answer->clear();
    if (k == s.categoryFilterIndex)
        return;
    ::ui::setForeColour(m_options[static_cast<std::size_t>(k)], colours::Magenta);
    ::ui::setForeColour(m_options[static_cast<std::size_t>(s.categoryFilterIndex)], colours::Black);
    s.categoryFilterIndex = k;
    m_model->setRows(
        rowsInCategory(s.bank, k == 0 ? std::string_view() : kQuestionCategories[static_cast<std::size_t>(k - 1)]));
}

void BankPanel::keywordChange()
{
    BankState& s = bankState();
    s.bankItemChosen = false;
    m_shown->clear();
    m_answer->clear();
    const QString text = m_keyword->text();
    if (text.isEmpty()) {
        m_model->setRows({});
        return;
    }
    m_model->setRows({});
    ::ui::setForeColour(m_options[static_cast<std::size_t>(s.categoryFilterIndex)], colours::Black);
    m_options[11]->setChecked(true);
    s.categoryFilterIndex = 11;
    const QByteArray key = text.toUtf8();
    for (const char* ignored : kIgnoredKeywords)
        if (key == ignored)
            return;
    m_model->setRows(rowsWithKeyword(s.bank, std::string_view(key.constData(), static_cast<std::size_t>(key.size()))));
}

void BankPanel::listClick(int item)
{
    const auto& rows = m_model->rows();
    if (item < 0 || static_cast<std::size_t>(item) >= rows.size())
        return;
    BankState& s = bankState();
    const std::size_t row = rows[static_cast<std::size_t>(item)];
    m_shown->setPlainText(qs(s.bank.listLine(row)));
    m_answer->setPlainText(qs(s.bank.record(row).correct));
    s.bankItemChosen = true;
}

void BankPanel::resetBrowser(std::uint32_t captionColour)
{
    BankState& s = bankState();
    m_keyword->setText({});
    m_shown->clear();
    m_answer->clear();
    m_model->setRows({});
    ::ui::setForeColour(m_options[static_cast<std::size_t>(s.categoryFilterIndex)], captionColour);
    m_options[11]->setChecked(true);
    s.categoryFilterIndex = 11;
}

void BankPanel::backToBrowser(QWidget* overlay, std::uint32_t captionColour)
{
    bankState().bankItemChosen = false;
    resetBrowser(captionColour);
    m_bankFrame->setVisible(true);
    overlay->setVisible(false);
    m_keyword->setFocus();
}

void BankPanel::toolbarClick(int i)
{
    BankState& s = bankState();
    switch (i) {
    case 0:
        s.bankItemChosen = false;
        resetBrowser(colours::Black);
        m_keyword->setFocus();
        break;
    case 1:
        s.bankItemChosen = false;
        m_addFrame->setVisible(true);
        m_bankFrame->setVisible(false);
        m_addStatus->clear();
        m_addNumber->setText(QString::number(s.bank.count() + 1));
        m_addCategory->setCurrentText(QStringLiteral("其它题目"));
        for (QLineEdit* box : m_addBoxes)
            box->clear();
        m_addCategory->setFocus();
        break;
    case 2: {
        if (!s.bankItemChosen)
            return;
        const QModelIndex current = m_list->currentIndex();
        const auto& rows = m_model->rows();
        if (!current.isValid() || static_cast<std::size_t>(current.row()) >= rows.size())
            return;
        m_editRow = rows[static_cast<std::size_t>(current.row())];
        const QuestionView v = s.bank.record(m_editRow);
        m_modifyArmed = false;
        m_deleteArmed = false;
        m_editFrame->setVisible(true);
        m_bankFrame->setVisible(false);
        m_editStatus->clear();
        // A category that is none of the ten is offered too, so an edit keeps it.
        while (m_editCategory->count() > static_cast<int>(kQuestionCategories.size()))
            m_editCategory->removeItem(m_editCategory->count() - 1);
        if (m_editCategory->findText(qs(v.category)) < 0)
            m_editCategory->addItem(qs(v.category));
        m_editCategory->setCurrentText(qs(v.category));
        m_editNumber->setText(QString::number(qs(v.id).trimmed().toLongLong()));
        const std::string_view texts[5] = {v.question, v.correct, v.wrong1, v.wrong2, v.wrong3};
        for (int k = 0; k < 5; ++k)
            m_editBoxes[static_cast<std::size_t>(k)]->setText(qs(texts[k]));
        m_editPreview->setPlainText(qs(v.question));
        m_editBoxes[0]->setFocus();
        break;
    }
    case 3:
        if (m_openExam)
            m_openExam();
        break;
    case 4:
        if (m_openMini)
            m_openMini();
        break;
    }
}

bool BankPanel::anyEmpty(const std::array<QLineEdit*, 5>& boxes)
{
    for (QLineEdit* box : boxes)
        if (box->text().trimmed().isEmpty())
            return true;
    return false;
}

QuestionFields BankPanel::fieldsOf(QComboBox* category, const std::array<QLineEdit*, 5>& boxes) const
{
    return {category->currentText().toStdString(), boxes[0]->text().toStdString(), boxes[1]->text().toStdString(),
            boxes[2]->text().toStdString(),        boxes[3]->text().toStdString(), boxes[4]->text().toStdString()};
}

bool BankPanel::commit(const std::function<BankWrite(std::string_view, const QuestionBank&, std::size_t)>& writer)
{
    QWidget* parent = m_bankFrame->window();
    BankState& s = bankState();
    const std::string path(kBankFileName);
    long long size = 0, time = 0;
    if (!fileStamp(size, time)) {
        ::ui::warningBox(parent, QStringLiteral("找不到题库文件 test.dat，没有写入。"));
        return false;
    }
    // The bank in memory must be the file's: read it again when the last reading failed or
    // the file changed since, and write nothing this time.
    if (!s.bankLoaded || size != s.fileSize || time != s.fileTime) {
        BankLoadResult r = loadQuestionBankFile(path);
        if (!r.readable) {
            ::ui::warningBox(parent, qs(unreadableBeforeWrite(r)));
            return false;
        }
        const bool changed = s.bankLoaded;
        s.bank = std::move(r.bank);
        s.skippedLines = r.badLines.size();
        s.bankLoaded = true;
        stampBankFile();
        // The rows may have moved: the edit panel's record is chosen again from the list.
        if (m_editFrame->isVisible())
            backToBrowser(m_editFrame, colours::Blue);
        m_model->setRows({});
        ::ui::warningBox(parent, changed ? QStringLiteral("题库文件在读入之后被改动过，已经重新读入，"
                                                          "这次没有写入。请核对后再做一次。")
                                         : QStringLiteral("题库文件已经重新读入，这次没有写入。请核对后再做一次。"));
        return false;
    }
    std::string bytes;
    if (const QString why = fromFile(path, bytes); !why.isEmpty()) {
        ::ui::warningBox(parent, why + QStringLiteral("，没有写入。"));
        return false;
    }
    BankWrite w = writer(bytes, s.bank, s.skippedLines);
    if (!w.ok) {
        ::ui::warningBox(parent, qs(w.message));
        return false;
    }
    if (const QString why = ::ui::replaceFile(QString::fromStdString(path), w.bytes); !why.isEmpty()) {
        ::ui::warningBox(parent, QStringLiteral("题库文件没有写成（%1），文件和题库都保持原样。").arg(why));
        return false;
    }
    s.bank = std::move(w.bank);
    stampBankFile();
    return true;
}

void BankPanel::addPanelClick(int i)
{
    switch (i) {
    case 0: {
        if (anyEmpty(m_addBoxes)) {
            m_addStatus->setText(qs(kEmptyFieldMessage));
            m_addCategory->setFocus();
            return;
        }
        const QuestionFields f = fieldsOf(m_addCategory, m_addBoxes);
        if (!commit([&f](std::string_view bytes, const QuestionBank& bank, std::size_t skipped) {
                return appendQuestion(bytes, bank, skipped, f);
            })) {
            m_addNumber->setText(QString::number(bankState().bank.count() + 1));
            return;
        }
        m_addStatus->setText(QStringLiteral("添加完毕!"));
        m_addNumber->setText(QString::number(bankState().bank.count() + 1));
        m_addCategory->setCurrentText(QStringLiteral("其它题目"));
        for (QLineEdit* box : m_addBoxes)
            box->clear();
        m_addCategory->setFocus();
        break;
    }
    case 1:
        for (QLineEdit* box : m_addBoxes)
            box->clear();
        m_addStatus->setText(QStringLiteral("清空完毕!"));
        m_addCategory->setFocus();
        break;
    case 2:
        backToBrowser(m_addFrame, colours::Blue);
        break;
    }
}

void BankPanel::editPanelClick(int i)
{
    switch (i) {
    case 0: {
        m_deleteArmed = false;
        if (!m_modifyArmed) {
            m_modifyArmed = true;
            m_editStatus->setText(QStringLiteral("请再按一次“修改”键确认！"));
            return;
        }
        if (anyEmpty(m_editBoxes)) {
            m_editStatus->setText(qs(kEmptyFieldMessage));
            m_editCategory->setFocus();
            return;
        }
        const QuestionFields f = fieldsOf(m_editCategory, m_editBoxes);
        const std::size_t row = m_editRow;
        if (!commit([&f, row](std::string_view bytes, const QuestionBank& bank, std::size_t skipped) {
                return rewriteQuestion(bytes, bank, skipped, row, f);
            }))
            return;
        backToBrowser(m_editFrame, colours::Blue);
        ::ui::messageBox(m_bankFrame->window(), QStringLiteral("修改完毕!"), QStringLiteral("修改！"),
                         ::ui::BoxIcon::Warning);
        break;
    }
    case 1: {
        m_modifyArmed = false;
        if (!m_deleteArmed) {
            m_deleteArmed = true;
            m_editStatus->setText(QStringLiteral("请再按一次“删除”键确认!"));
            return;
        }
        const std::size_t row = m_editRow;
        if (!commit([row](std::string_view bytes, const QuestionBank& bank, std::size_t skipped) {
                return deleteQuestion(bytes, bank, skipped, row);
            })) {
            // Disarmed: the prompt to press again no longer holds.
            m_deleteArmed = false;
            m_editStatus->clear();
            return;
        }
        backToBrowser(m_editFrame, colours::Blue);
        ::ui::messageBox(m_bankFrame->window(), QStringLiteral("删除完毕!"), QStringLiteral("删除！"),
                         ::ui::BoxIcon::Warning);
        break;
    }
    case 2:
        backToBrowser(m_editFrame, colours::Blue);
        break;
    case 3:
        m_modifyArmed = false;
        m_deleteArmed = false;
        m_editStatus->setText(QStringLiteral("修改/删除已被取消了！"));
        break;
    }
}

// ---- keys ----

bool BankPanel::editKey(QLineEdit* box, QPlainTextEdit* preview, bool rejectQuote, int key, const QString& text,
                        bool paste)
{
    if (paste) {
        const QString t = box->text();
        if (t.contains(',') || (rejectQuote && t.contains('"'))) {
            ::ui::warningBox(box->window(), qs(kNoCommaMessage));
            box->clear();
        } else {
            preview->setPlainText(t);
        }
        return false; // the paste itself lands
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &tab);
        return true;
    }
    if (text.size() != 1)
        return false;
    static const QString from = QStringLiteral("(),:;?<>");
    static const QString to = QStringLiteral("（），：；？《》");
    const QChar c = text.at(0);
    if (const auto at = from.indexOf(c); at >= 0) {
        box->insert(to.at(at));
        return true;
    }
    if (c == '"') {
        bool& toggle = bankState().quoteToggle;
        box->insert(toggle ? QStringLiteral("”") : QStringLiteral("“"));
        toggle = !toggle;
        return true;
    }
    return false;
}

bool BankPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (watched == m_keyword) {
            if (key->key() == Qt::Key_Escape && m_bankFrame->isVisible())
                m_keyword->clear();
            m_keyword->setFocus();
            return false;
        }
        for (int panel = 0; panel < 2; ++panel) {
            const auto& boxes = panel == 0 ? m_addBoxes : m_editBoxes;
            for (QLineEdit* box : boxes)
                if (watched == box)
                    return editKey(box, panel == 0 ? m_addPreview : m_editPreview, panel == 1, key->key(),
                                   key->text(), key->matches(QKeySequence::Paste));
        }
    } else if (event->type() == QEvent::FocusIn) {
        for (int panel = 0; panel < 2; ++panel) {
            const auto& boxes = panel == 0 ? m_addBoxes : m_editBoxes;
            for (QLineEdit* box : boxes)
                if (watched == box)
                    (panel == 0 ? m_addPreview : m_editPreview)->setPlainText(box->text());
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace exam::ui
