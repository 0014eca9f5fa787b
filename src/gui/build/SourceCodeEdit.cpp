#include "gui/build/SourceCodeEdit.h"

#include "compiler/SourceHighlight.h"

#include <QFontDatabase>
#include <QPaintEvent>
#include <QPainter>
#include <QTextBlock>

namespace tarvel {

namespace {

QTextCharFormat colourFormat(const QColor& colour, bool bold = false, bool italic = false)
{
    QTextCharFormat f;
    f.setForeground(colour);
    if (bold)
        f.setFontWeight(QFont::Bold);
    f.setFontItalic(italic);
    return f;
}

// One byte per UTF-16 unit, so that token offsets are positions in the block: the tokenizer only
// looks at ASCII, other characters stand in as a letter.
std::string lineBytes(const QString& text)
{
    std::string bytes(std::size_t(text.size()), 'x');
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i].unicode() < 128)
            bytes[std::size_t(i)] = char(text[i].unicode());
    return bytes;
}

class LineNumberArea : public QWidget {
public:
    explicit LineNumberArea(SourceCodeEdit* editor)
        : QWidget(editor)
        , editor_(editor)
    {
    }
    QSize sizeHint() const override { return {editor_->lineNumberAreaWidth(), 0}; }

protected:
    void paintEvent(QPaintEvent* event) override { editor_->paintLineNumbers(event); }

private:
    SourceCodeEdit* editor_;
};

} // namespace

SourceHighlighter::SourceHighlighter(QTextDocument* document, std::vector<std::string> mnemonics)
    : QSyntaxHighlighter(document)
    , mnemonics_(std::move(mnemonics))
{
}

void SourceHighlighter::setMnemonics(std::vector<std::string> mnemonics)
{
    mnemonics_ = std::move(mnemonics);
    rehighlight();
}

void SourceHighlighter::highlightBlock(const QString& text)
{
    static const QTextCharFormat label = colourFormat(QColor(0x80, 0x00, 0x80), true);
    static const QTextCharFormat mnemonic = colourFormat(QColor(0x00, 0x00, 0xc0), true);
    static const QTextCharFormat directive = colourFormat(QColor(0x00, 0x70, 0x70), true);
    static const QTextCharFormat number = colourFormat(QColor(0xa0, 0x50, 0x00));
    static const QTextCharFormat string = colourFormat(QColor(0x00, 0x70, 0x00));
    static const QTextCharFormat comment = colourFormat(QColor(0x70, 0x70, 0x70), false, true);
    for (const SourceToken& t : sourceLineTokens(lineBytes(text), mnemonics_)) {
        switch (t.kind) {
        case SourceTokenKind::Label: setFormat(t.start, t.length, label); break;
        case SourceTokenKind::Mnemonic: setFormat(t.start, t.length, mnemonic); break;
        case SourceTokenKind::Directive: setFormat(t.start, t.length, directive); break;
        case SourceTokenKind::Number: setFormat(t.start, t.length, number); break;
        case SourceTokenKind::String: setFormat(t.start, t.length, string); break;
        case SourceTokenKind::Comment: setFormat(t.start, t.length, comment); break;
        }
    }
}

SourceCodeEdit::SourceCodeEdit(QWidget* parent)
    : QPlainTextEdit(parent)
    , lineNumbers_(new LineNumberArea(this))
{
    QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    setFont(mono);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setTabStopDistance(fontMetrics().horizontalAdvance(' ') * 8);
    connect(
        this, &QPlainTextEdit::blockCountChanged, this, [this] { setViewportMargins(lineNumberAreaWidth(), 0, 0, 0); });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (dy)
            lineNumbers_->scroll(0, dy);
        else
            lineNumbers_->update(0, rect.y(), lineNumbers_->width(), rect.height());
    });
    setViewportMargins(lineNumberAreaWidth(), 0, 0, 0);
}

int SourceCodeEdit::lineNumberAreaWidth() const
{
    int digits = 1;
    for (int n = std::max(1, blockCount()); n >= 10; n /= 10)
        ++digits;
    return 10 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(digits, 3);
}

void SourceCodeEdit::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    const QRect r = contentsRect();
    lineNumbers_->setGeometry(QRect(r.left(), r.top(), lineNumberAreaWidth(), r.height()));
}

void SourceCodeEdit::paintLineNumbers(QPaintEvent* event)
{
    QPainter painter(lineNumbers_);
    painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    QTextBlock block = firstVisibleBlock();
    int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
    while (block.isValid() && top <= event->rect().bottom()) {
        const int height = qRound(blockBoundingRect(block).height());
        if (block.isVisible() && top + height >= event->rect().top())
            painter.drawText(0, top, lineNumbers_->width() - 5, fontMetrics().height(), Qt::AlignRight,
                             QString::number(block.blockNumber() + 1));
        block = block.next();
        top += height;
    }
}

void SourceCodeEdit::markLines(int first, int count)
{
    markedFirst_ = count > 0 ? first : 0;
    markedCount_ = std::max(count, 0);
    QList<QTextEdit::ExtraSelection> marks;
    for (int line = first; line < first + count; ++line) {
        const QTextBlock block = document()->findBlockByNumber(line - 1);
        if (!block.isValid())
            break;
        QTextEdit::ExtraSelection mark;
        mark.format.setBackground(QColor(0xff, 0xf0, 0xa0));
        mark.format.setProperty(QTextFormat::FullWidthSelection, true);
        mark.cursor = QTextCursor(block);
        marks.append(mark);
    }
    setExtraSelections(marks);
    if (!marks.isEmpty()) {
        // Show the whole range when it fits, its start otherwise.
        QTextCursor cursor(document()->findBlockByNumber(std::min(first + count, blockCount()) - 1));
        setTextCursor(cursor);
        ensureCursorVisible();
        setTextCursor(marks.first().cursor);
        ensureCursorVisible();
    }
}

void SourceCodeEdit::goToLine(int line)
{
    QTextBlock block = document()->findBlockByNumber(std::max(line, 1) - 1);
    if (!block.isValid())
        block = document()->lastBlock();
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    centerCursor();
    setFocus();
}

} // namespace tarvel
