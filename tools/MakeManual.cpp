// Turns the manual's Markdown chapters into a PDF with Qt itself: a title page, a table of
// contents with page numbers, one chapter per page run, pictures from the chapters' folders and the
// page number in every footer. Run by the build (docs/manual/CMakeLists.txt):
//   make_manual OUT.pdf --title T --subtitle S [--lang es|en] [--cover PNG] [--preview DIR] CHAPTER.md...
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QAbstractTextDocumentLayout>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int kDpi = 300;              // layout units: pixels of the PDF at this resolution
constexpr double kMarginMm = 20;       // page margins; the text ends this much higher still
constexpr double kFooterMm = 4;        // the footer's rule, this far below the text
constexpr double kPictureScale = 0.75; // screenshots print at three quarters of their screen size

double mm(double millimetres) { return millimetres / 25.4 * kDpi; }

void fail(const QString& text)
{
    std::fprintf(stderr, "make_manual: %s\n", qPrintable(text));
    std::exit(1);
}

// Starts the paragraph of a picture's caption (a zero-width space, removed when it is styled).
const QString kCaptionMark = QString(QChar(0x200B));

struct Heading {
    int level;
    QString text;
    int page; // 0-based page of the body
};

// The chapters joined into one Markdown text; every picture's path is made absolute, relative to
// its chapter's folder, and a picture that is not there stops the build.
QString readChapters(const QStringList& files)
{
    static const QRegularExpression picture(R"(!\[([^\]]*)\]\(([^)\s]+)\))");
    QString all;
    for (const QString& name : files) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly))
            fail("no se puede leer " + name);
        QString text = QString::fromUtf8(file.readAll());
        if (!text.startsWith("# "))
            fail(name + " no empieza con un titulo de capitulo (\"# \")");
        const QDir base = QFileInfo(name).absoluteDir();
        QString out;
        qsizetype last = 0;
        for (auto it = picture.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            const QString path = base.absoluteFilePath(m.captured(2));
            if (!QFileInfo::exists(path))
                fail(name + ": falta la imagen " + m.captured(2));
            out += text.mid(last, m.capturedStart() - last) + "![" + m.captured(1) + "](" + path + ")";
            last = m.capturedEnd();
            // A picture on a line of its own gets its description below it, as a caption.
            const bool alone = (m.capturedStart() == 0 || text[m.capturedStart() - 1] == '\n') &&
                               (last == text.size() || text[last] == '\n');
            if (alone && !m.captured(1).isEmpty())
                out += "\n\n" + kCaptionMark + m.captured(1);
        }
        all += out + text.mid(last) + "\n\n";
    }
    return all;
}

void styleHeading(QTextCursor& c, int level, int chapter)
{
    static const double sizes[] = {0, 20, 14, 11.5, 10.5};
    QTextBlockFormat block = c.blockFormat();
    block.setTopMargin(mm(level == 1 ? 0 : 3));
    block.setBottomMargin(mm(level == 1 ? 3 : 1));
    if (level == 1 && chapter > 1)
        block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    c.setBlockFormat(block);
    if (level == 1) {
        c.movePosition(QTextCursor::StartOfBlock);
        c.insertText(QString::number(chapter) + ". ");
    }
    c.movePosition(QTextCursor::StartOfBlock);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat chars;
    chars.setFontPointSize(sizes[std::min(level, 4)]);
    chars.setFontWeight(QFont::Bold);
    chars.setForeground(QColor(level == 1 ? 0x1a3a6b : 0x24487f));
    c.mergeCharFormat(chars);
}

void styleCaption(QTextCursor& c)
{
    c.movePosition(QTextCursor::StartOfBlock);
    c.deleteChar(); // the mark
    QTextBlockFormat block = c.blockFormat();
    block.setAlignment(Qt::AlignHCenter);
    block.setTopMargin(mm(1));
    block.setBottomMargin(mm(3));
    c.setBlockFormat(block);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat chars;
    chars.setFontItalic(true);
    chars.setFontPointSize(8.5);
    chars.setForeground(QColor(0x55, 0x55, 0x55));
    c.mergeCharFormat(chars);
}

bool isCode(const QTextBlock& b)
{
    return b.isValid() &&
           (b.blockFormat().hasProperty(QTextFormat::BlockCodeFence) || b.blockFormat().nonBreakableLines());
}

// A code block is one text block per line: the space around it goes before its first line and
// after its last.
void styleCode(QTextCursor& c)
{
    QTextBlockFormat block = c.blockFormat();
    block.setBackground(QColor(0xf1, 0xf3, 0xf5));
    block.setLeftMargin(mm(2));
    block.setTopMargin(isCode(c.block().previous()) ? 0 : mm(1));
    block.setBottomMargin(isCode(c.block().next()) ? 0 : mm(2));
    c.setBlockFormat(block);
    c.movePosition(QTextCursor::StartOfBlock);
    c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    QTextCharFormat chars;
    chars.setFontFamilies({"DejaVu Sans Mono", "monospace"});
    chars.setFontPointSize(8.5);
    c.mergeCharFormat(chars);
}

// Pictures at print size, never wider than the text.
void sizePictures(QTextDocument& doc, double textWidth)
{
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = f.charFormat().toImageFormat();
            const QImage image(format.name());
            if (image.isNull())
                fail("no se puede leer la imagen " + format.name());
            doc.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
            // Image sizes are read in pixels of 96 dpi, whatever the resolution the text is laid out in.
            const double width = std::min(textWidth * 96 / kDpi, image.width() * kPictureScale);
            format.setWidth(width);
            format.setHeight(width * image.height() / image.width());
            QTextCursor c(&doc);
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(format);
            if (b.length() == 2) { // the picture alone in its paragraph: centred, like its caption
                QTextBlockFormat block = b.blockFormat();
                block.setAlignment(Qt::AlignHCenter);
                c.setBlockFormat(block);
            }
        }
}

void styleTables(QTextDocument& doc)
{
    for (QTextFrame* frame : doc.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        QTextTableFormat format = table->format();
        format.setBorder(kDpi / 150.0);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderBrush(QColor(0xb0, 0xb8, 0xc4));
        format.setBorderCollapse(true);
        format.setCellPadding(mm(0.7));
        format.setCellSpacing(0);
        format.setTopMargin(mm(1.5));
        format.setBottomMargin(mm(2.5));
        table->setFormat(format);
        for (int col = 0; col < table->columns(); ++col) {
            QTextTableCellFormat cell = table->cellAt(0, col).format().toTableCellFormat();
            cell.setBackground(QColor(0xe4, 0xea, 0xf2));
            table->cellAt(0, col).setFormat(cell);
        }
    }
}

// Styles the body and answers its headings (levels 1 and 2) in order.
std::vector<Heading> styleBody(QTextDocument& doc, double textWidth)
{
    sizePictures(doc, textWidth);
    styleTables(doc);
    std::vector<Heading> headings;
    int chapter = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextCursor c(b);
        const int level = b.blockFormat().headingLevel();
        if (level > 0) {
            if (level == 1)
                ++chapter;
            styleHeading(c, level, chapter);
            if (level <= 2)
                headings.push_back({level, c.block().text(), 0});
        } else if (isCode(b)) {
            styleCode(c);
        } else if (b.text().startsWith(kCaptionMark)) {
            styleCaption(c);
        }
    }
    return headings;
}

void findPages(const QTextDocument& doc, std::vector<Heading>& headings)
{
    std::size_t next = 0;
    const double pageHeight = doc.pageSize().height();
    for (QTextBlock b = doc.begin(); b.isValid() && next < headings.size(); b = b.next()) {
        const int level = b.blockFormat().headingLevel();
        if (level == 0 || level > 2)
            continue;
        const QRectF r = doc.documentLayout()->blockBoundingRect(b);
        headings[next++].page = int(r.top() / pageHeight);
    }
}

// The words the manual itself prints, in its language.
struct Words {
    QString contents, page;
};

Words wordsFor(const QString& language)
{
    if (language == "en")
        return {"Contents", "Page %1"};
    return {QString::fromUtf8("Índice"), QString::fromUtf8("Página %1")};
}

QString tocHtml(const std::vector<Heading>& headings, int firstBodyPage, const Words& words)
{
    QString html = "<h1 style='color:#1a3a6b'>" + words.contents +
                   "</h1><table width='100%' cellspacing='0' cellpadding='3'>";
    for (const Heading& h : headings) {
        const QString text = h.text.toHtmlEscaped();
        const QString style = h.level == 1 ? "font-weight:bold; padding-top:8px" : "padding-left:24px";
        html += QStringLiteral("<tr><td style='%1'>%2</td><td align='right' style='%1'>%3</td></tr>")
                    .arg(style, text)
                    .arg(firstBodyPage + h.page);
    }
    return html + "</table>";
}

struct Manual {
    QString title, subtitle;
    Words words;
    QImage cover;
    QTextDocument body, toc;
    int tocPages = 0;
    QSizeF page;     // the whole page, layout units
    QSizeF textArea; // the text of one page

    int pageCount() const { return 1 + tocPages + body.pageCount(); }
    void drawPage(QPainter& p, int index) const;
    void drawTitle(QPainter& p) const;
    void drawText(QPainter& p, const QTextDocument& doc, int page) const;
};

void Manual::drawTitle(QPainter& p) const
{
    QFont font("DejaVu Sans");
    font.setPointSizeF(30);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0x1a3a6b));
    const QRectF band(mm(kMarginMm), mm(45), textArea.width(), mm(30));
    p.drawText(band, Qt::AlignCenter | Qt::TextWordWrap, title);
    font.setPointSizeF(15);
    font.setBold(false);
    p.setFont(font);
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.drawText(band.translated(0, mm(25)), Qt::AlignCenter | Qt::TextWordWrap, subtitle);
    if (!cover.isNull()) {
        const double width = textArea.width();
        const QRectF at(mm(kMarginMm), mm(105), width, width * cover.height() / cover.width());
        p.drawImage(at, cover);
        p.setPen(QPen(QColor(0xb0, 0xb8, 0xc4), mm(0.3)));
        p.drawRect(at);
    }
    font.setPointSizeF(11);
    p.setFont(font);
    p.drawText(QRectF(mm(kMarginMm), page.height() - mm(45), textArea.width(), mm(10)), Qt::AlignCenter,
               "Tarvel Lab 2.0");
}

void Manual::drawText(QPainter& p, const QTextDocument& doc, int page) const
{
    p.save();
    p.translate(mm(kMarginMm), mm(kMarginMm) - page * textArea.height());
    const QRectF clip(0, page * textArea.height(), textArea.width(), textArea.height());
    p.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = clip;
    doc.documentLayout()->draw(&p, context);
    p.restore();
}

void Manual::drawPage(QPainter& p, int index) const
{
    if (index == 0) {
        drawTitle(p);
        return;
    }
    if (index <= tocPages)
        drawText(p, toc, index - 1);
    else
        drawText(p, body, index - 1 - tocPages);
    QFont font("DejaVu Sans");
    font.setPointSizeF(8);
    p.setFont(font);
    p.setPen(QColor(0x66, 0x66, 0x66));
    const double y = mm(kMarginMm) + textArea.height() + mm(kFooterMm);
    p.drawLine(QPointF(mm(kMarginMm), y), QPointF(page.width() - mm(kMarginMm), y));
    const QRectF footer(mm(kMarginMm), y + mm(1), textArea.width(), mm(5));
    p.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, title);
    p.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, words.page.arg(index + 1));
}

void layOut(QTextDocument& doc, QPaintDevice* device, const QSizeF& textArea)
{
    doc.documentLayout()->setPaintDevice(device);
    doc.setDocumentMargin(0);
    QFont font("DejaVu Sans");
    font.setPointSizeF(10);
    doc.setDefaultFont(font);
    doc.setPageSize(textArea);
}

} // namespace

int main(int argc, char** argv)
{
    // No display is needed: the pages are drawn off screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument("salida", "El PDF que se escribe.");
    parser.addPositionalArgument("capitulos", "Los capitulos en Markdown, en orden.");
    QCommandLineOption title("title", "Titulo.", "texto");
    QCommandLineOption subtitle("subtitle", "Subtitulo.", "texto");
    QCommandLineOption cover("cover", "Imagen de la portada.", "png");
    QCommandLineOption language("lang", "Idioma del manual: es (por omision) o en.", "idioma", "es");
    QCommandLineOption preview("preview", "Guarda tambien cada pagina como PNG en la carpeta.", "carpeta");
    parser.addOptions({title, subtitle, language, cover, preview});
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.size() < 2)
        parser.showHelp(2);
    if (parser.value(language) != "es" && parser.value(language) != "en")
        fail("idioma desconocido: " + parser.value(language));

    QDir().mkpath(QFileInfo(args[0]).absolutePath()); // the application folder of a fresh build
    QSaveFile out(args[0]);
    if (!out.open(QIODevice::WriteOnly))
        fail("no se puede escribir " + args[0]);
    QPdfWriter writer(&out);
    writer.setResolution(kDpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setTitle(parser.value(title));
    writer.setCreator("Tarvel Lab");

    Manual manual;
    manual.title = parser.value(title);
    manual.subtitle = parser.value(subtitle);
    manual.words = wordsFor(parser.value(language));
    if (parser.isSet(cover) && !manual.cover.load(parser.value(cover)))
        fail("no se puede leer la portada " + parser.value(cover));
    manual.page = QPageSize(QPageSize::A4).sizePixels(kDpi);
    manual.textArea = QSizeF(manual.page.width() - 2 * mm(kMarginMm),
                             manual.page.height() - 2 * mm(kMarginMm) - mm(2 * kFooterMm));

    layOut(manual.body, &writer, manual.textArea);
    manual.body.setMarkdown(readChapters(args.mid(1)), QTextDocument::MarkdownDialectGitHub);
    std::vector<Heading> headings = styleBody(manual.body, manual.textArea.width());
    manual.body.pageCount(); // lays the body out
    findPages(manual.body, headings);
    layOut(manual.toc, &writer, manual.textArea);
    // The contents' own length moves the body's page numbers; two rounds settle it.
    for (int round = 0; round < 3; ++round) {
        manual.toc.setHtml(tocHtml(headings, 2 + manual.tocPages, manual.words));
        const int pages = manual.toc.pageCount();
        if (pages == manual.tocPages)
            break;
        manual.tocPages = pages;
    }

    QPainter painter(&writer);
    for (int i = 0; i < manual.pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        manual.drawPage(painter, i);
    }
    painter.end();
    if (!out.commit())
        fail("no se pudo terminar " + args[0]);

    if (parser.isSet(preview)) {
        QDir().mkpath(parser.value(preview));
        for (int i = 0; i < manual.pageCount(); ++i) {
            QImage image((manual.page * 100 / kDpi).toSize(), QImage::Format_RGB32);
            image.setDotsPerMeterX(int(kDpi / 0.0254)); // fonts in points come out as on paper
            image.setDotsPerMeterY(int(kDpi / 0.0254));
            image.fill(Qt::white);
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(100.0 / kDpi, 100.0 / kDpi);
            manual.drawPage(p, i);
            p.end();
            image.save(QDir(parser.value(preview)).filePath(QStringLiteral("pagina-%1.png").arg(i + 1, 3, 10, QChar('0'))));
        }
    }
    std::printf("%s: %d paginas\n", qPrintable(args[0]), manual.pageCount());
    return 0;
}
