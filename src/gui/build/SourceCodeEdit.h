#pragma once
// The source text box: line numbers in a margin, the library's syntax colours, and a highlight of
// a range of lines (the lines a flowchart element produced).
#include <QPlainTextEdit>
#include <QSyntaxHighlighter>
#include <string>
#include <vector>

namespace tarvel {

class SourceHighlighter : public QSyntaxHighlighter {
public:
    SourceHighlighter(QTextDocument* document, std::vector<std::string> mnemonics);
    void setMnemonics(std::vector<std::string> mnemonics);

protected:
    void highlightBlock(const QString& text) override;

private:
    std::vector<std::string> mnemonics_;
};

class SourceCodeEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit SourceCodeEdit(QWidget* parent = nullptr);

    // Marks lines first..first+count-1 (1-based) and shows them; count 0 clears the mark.
    void markLines(int first, int count);
    int markedFirstLine() const { return markedFirst_; }
    int markedLineCount() const { return markedCount_; }
    // Puts the cursor on a line (1-based; past the end: the last line) and selects it.
    void goToLine(int line);

    int lineNumberAreaWidth() const;
    void paintLineNumbers(QPaintEvent* event);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* lineNumbers_;
    int markedFirst_ = 0;
    int markedCount_ = 0;
};

} // namespace tarvel
