// Writes a program's manual page (roff) from its own --help and --version and a short Markdown
// source: the source holds the prose and the examples, and one line per command, option and
// argument of the help ("[build --lib FILE] text"); the list of commands and options is the
// help's, in its order. An option the help has and the source does not describe, or one the
// source describes and the help does not have, stops the build: the page cannot drift from the
// options. Run by the build (docs/manual/CMakeLists.txt):
//   make_manpage PROGRAM SOURCE.md OUT.1 --date YYYY-MM-DD
//
// Source: a first line "% NAME SECTION MANUAL TITLE", then "# SECTION" headings, paragraphs,
// "- " items, "term" lines followed by ": description" lines, indented code blocks, **bold**,
// *italic* and `code`. "{{synopsis}}" and "{{options}}" stand alone on a line where the generated
// synopsis and the commands (or options) go. The help lines start with "[" and are not printed;
// "[* --json]" describes an option of every command that has it.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void fail(const QString& text)
{
    std::fprintf(stderr, "make_manpage: %s\n", qPrintable(text));
    std::exit(1);
}

QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        fail(QStringLiteral("%1 %2 did not answer: %3").arg(program, args.join(' '), QString::fromUtf8(p.readAll())));
    return QString::fromUtf8(p.readAll());
}

// One entry of a help: an option (its names, whether it takes a value) or an argument.
struct Entry {
    QStringList names; // "-h", "--help"; an argument's own name
    bool positional = false;
    bool takesValue = false;
    bool required = false;
    bool repeated = false;
    QString key() const { return names.last(); }
};

struct Command {
    QString name; // empty: the program itself
    std::vector<Entry> entries;
};

// Reads the "Options:"/"Positionals:" lists of a help (the command line's and the Qt programs'
// layouts, in any language): an entry is a line indented by two spaces, its names up to a gap of
// two spaces; lines indented further continue it.
std::vector<Entry> parseHelp(const QString& help, QStringList* subcommands)
{
    static const QRegularExpression entryLine(R"(^  (\S.*?)(?:\s{2,}(.*))?$)");
    std::vector<Entry> entries;
    enum { None, Options, Arguments, Subcommands } section = None;
    for (const QString& line : help.split('\n')) {
        if (!line.startsWith(' ')) {
            const QString head = line.trimmed().toLower();
            if (head == "options:" || head == "opciones:")
                section = Options;
            else if (head == "positionals:" || head == "arguments:" || head == "argumentos:")
                section = Arguments;
            else if (head == "subcommands:")
                section = Subcommands;
            else
                section = None;
            continue;
        }
        const auto m = entryLine.match(line);
        if (section == None || !m.hasMatch())
            continue;
        const QStringList words = m.captured(1).split(' ', Qt::SkipEmptyParts);
        if (section == Subcommands) {
            if (subcommands)
                subcommands->append(words.first());
            continue;
        }
        Entry e;
        if (section == Options) {
            QString names = words.first();
            int i = 1;
            for (; i < words.size() && names.endsWith(','); ++i) // "-h, --help"
                names += words[i];
            e.names = names.split(',', Qt::SkipEmptyParts);
            e.takesValue = i < words.size(); // "--lib TEXT", "--screenshot <archivo>"
            e.repeated = m.captured(1).contains("...");
        } else {
            e.positional = true;
            e.names = {words.first()};
            e.required = m.captured(1).contains("REQUIRED");
            e.repeated = m.captured(1).contains("...");
        }
        entries.push_back(e);
    }
    return entries;
}

QString escape(QString text)
{
    text.replace('\\', "\\e");
    text.replace('-', "\\-");
    return text;
}

// Inline Markdown to roff: **bold**, `code` (bold), *italic*.
QString inlineText(const QString& text)
{
    static const QRegularExpression marks(R"(\*\*(.+?)\*\*|`([^`]+)`|\*(.+?)\*)");
    QString out;
    qsizetype last = 0;
    for (auto it = marks.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += escape(text.mid(last, m.capturedStart() - last));
        if (m.capturedLength(1))
            out += "\\fB" + escape(m.captured(1)) + "\\fR";
        else if (m.capturedLength(2))
            out += "\\fB" + escape(m.captured(2)) + "\\fR";
        else
            out += "\\fI" + escape(m.captured(3)) + "\\fR";
        last = m.capturedEnd();
    }
    out += escape(text.mid(last));
    return out;
}

// A line of text as roff input: a leading dot or quote would be a request.
QString textLine(const QString& line)
{
    const QString text = inlineText(line.trimmed());
    return text.startsWith('.') || text.startsWith('\'') ? "\\&" + text : text;
}

struct HelpText {
    QString value; // the placeholder shown after an option, or an argument's shown name
    QString text;
    bool used = false;
};

struct Source {
    QString name, section, manual;
    QStringList body;                   // every line that is not a help line
    QMap<QString, HelpText> help;       // "build --lib", "* --json", "build", "--version", "@1"
};

Source readSource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail("cannot read " + path);
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
    Source s;
    const QStringList header = lines.value(0).split(' ', Qt::SkipEmptyParts);
    if (header.size() < 4 || header[0] != "%")
        fail(path + ": the first line is not \"% NAME SECTION MANUAL TITLE\"");
    s.name = header[1];
    s.section = header[2];
    s.manual = header.mid(3).join(' ');
    static const QRegularExpression helpLine(R"(^\[([^\]]+)\]\s*(.*)$)");
    for (const QString& line : lines.mid(1)) {
        const auto m = helpLine.match(line);
        if (!m.hasMatch()) {
            s.body.append(line);
            continue;
        }
        const QStringList words = m.captured(1).split(' ', Qt::SkipEmptyParts);
        // "[cmd]", "[cmd KEY VALUE]", "[KEY VALUE]": a key is an option, an argument's name in
        // capitals or "@N", the Nth argument; a word before it names the command ("*": any).
        const auto isKey = [](const QString& w) { return w.startsWith('-') || w.startsWith('@') || w == w.toUpper(); };
        QString command, key, value;
        int i = 0;
        if (words[0] == "*" || !isKey(words[0]))
            command = words[i++];
        key = words.value(i++);
        value = words.mid(i).join(' ');
        const QString id = command.isEmpty() ? key : key.isEmpty() ? command : command + ' ' + key;
        if (s.help.contains(id))
            fail(path + ": [" + m.captured(1) + "] twice");
        s.help.insert(id, {value, m.captured(2).trimmed()});
    }
    return s;
}

QString optionNames(const Entry& e)
{
    QStringList names;
    for (const QString& n : e.names)
        names << "\\fB" + escape(n) + "\\fR";
    return names.join(", ");
}

class Page {
public:
    Page(Source& source, const QString& sourcePath) : source_(source), path_(sourcePath) {}

    HelpText& describe(const QString& command, const Entry& e, int position)
    {
        const QString prefix = command.isEmpty() ? QString() : command + ' ';
        QStringList ids{prefix + e.key()};
        if (e.positional)
            ids << prefix + QStringLiteral("@%1").arg(position);
        ids << "* " + e.key();
        for (const QString& id : ids)
            if (auto it = source_.help.find(id); it != source_.help.end()) {
                it->used = true;
                if (!e.positional && e.takesValue != !it->value.isEmpty())
                    fail(path_ + ": [" + id + "] " +
                         (e.takesValue ? "needs the name of the option's value, as the help gives one"
                                       : "names a value the option does not take"));
                return *it;
            }
        fail(path_ + ": the help of " + source_.name + (command.isEmpty() ? "" : " " + command) + " has " +
             e.key() + ", which the page does not describe (add [" + ids.first() + "] ...)");
    }

    QString commandText(const QString& command)
    {
        auto it = source_.help.find(command);
        if (it == source_.help.end())
            fail(path_ + ": the command " + command + " is not described (add [" + command + "] ...)");
        it->used = true;
        return it->text;
    }

    // "tarvel build [--lib FILE] [--json] PROGRAM": the options, then the arguments.
    QString synopsis(const Command& c)
    {
        QString line = "\\fB" + escape(source_.name) + (c.name.isEmpty() ? "" : " " + escape(c.name)) + "\\fR";
        QString arguments;
        int position = 0;
        for (const Entry& e : c.entries) {
            if (isHelpOnly(e))
                continue;
            HelpText& h = describe(c.name, e, e.positional ? ++position : 0);
            if (e.positional) {
                QString name = "\\fI" + escape(h.value.isEmpty() ? e.names.first() : h.value) + "\\fR";
                if (e.repeated)
                    name += "\\ .\\|.\\|.";
                arguments += " " + (e.required ? name : "[" + name + "]");
            } else {
                QString option = "\\fB" + escape(e.key()) + "\\fR";
                if (!h.value.isEmpty())
                    option += " \\fI" + escape(h.value) + "\\fR";
                line += " [" + option + "]" + (e.repeated ? "\\ .\\|.\\|." : "");
            }
        }
        return line + arguments;
    }

    // Each option and argument of a command, as a list of terms.
    QStringList entryList(const Command& c, bool withHelpOptions)
    {
        QStringList out;
        int position = 0;
        for (const Entry& e : c.entries) {
            if (isHelpOnly(e) && !withHelpOptions)
                continue;
            HelpText& h = describe(c.name, e, e.positional ? ++position : 0);
            out << ".TP";
            if (e.positional)
                out << "\\fI" + escape(h.value.isEmpty() ? e.names.first() : h.value) + "\\fR";
            else
                out << optionNames(e) + (h.value.isEmpty() ? "" : " \\fI" + escape(h.value) + "\\fR");
            out << textLine(h.text);
        }
        return out;
    }

    void checkAllUsed()
    {
        for (auto it = source_.help.cbegin(); it != source_.help.cend(); ++it)
            if (!it->used && !it.key().startsWith("* "))
                fail(path_ + ": [" + it.key() + "] describes what the help of " + source_.name + " does not have");
    }

private:
    // A subcommand's own -h/--help: described once, for the program.
    static bool isHelpOnly(const Entry& e) { return e.names.contains("--help") || e.names.contains("--help-all"); }

    Source& source_;
    QString path_;
};

// The body's Markdown as roff, with the generated parts in place of their marks.
QStringList renderBody(const QStringList& body, const QStringList& synopsis, const QStringList& options)
{
    QStringList out;
    bool paragraphOpen = false; // text since the last request
    bool inCode = false;
    for (int i = 0; i < body.size(); ++i) {
        const QString& line = body[i];
        if (inCode && !line.startsWith("    ") && !line.trimmed().isEmpty()) {
            out << ".fi" << ".RE";
            inCode = false;
        }
        if (line.startsWith("# ")) {
            out << ".SH \"" + escape(line.mid(2).trimmed()).toUpper() + "\"";
            paragraphOpen = false;
        } else if (line.startsWith("## ")) {
            out << ".SS \"" + escape(line.mid(3).trimmed()) + "\"";
            paragraphOpen = false;
        } else if (line.trimmed() == "{{synopsis}}") {
            out << synopsis;
            paragraphOpen = false;
        } else if (line.trimmed() == "{{options}}") {
            out << options;
            paragraphOpen = false;
        } else if (line.startsWith("    ")) {
            if (!inCode) {
                out << ".PP" << ".RS 4" << ".nf";
                inCode = true;
            }
            const QString code = escape(line.mid(4));
            out << (code.startsWith('.') || code.startsWith('\'') ? "\\&" + code : code);
        } else if (line.trimmed().isEmpty()) {
            if (inCode) {
                // a blank line inside a code block stays, unless the block ends here
                if (i + 1 < body.size() && body[i + 1].startsWith("    "))
                    out << "";
                continue;
            }
            paragraphOpen = false;
        } else if (line.startsWith("- ")) {
            out << ".IP \\(bu 2" << textLine(line.mid(2));
            paragraphOpen = true;
        } else if (line.startsWith(": ")) {
            out << textLine(line.mid(2));
            paragraphOpen = true;
        } else if (i + 1 < body.size() && body[i + 1].startsWith(": ")) {
            out << ".TP" << textLine(line);
            paragraphOpen = true;
        } else {
            if (!paragraphOpen) {
                const bool afterHeading = !out.isEmpty() && (out.last().startsWith(".SH") || out.last().startsWith(".SS"));
                if (!afterHeading)
                    out << ".PP";
            }
            out << textLine(line);
            paragraphOpen = true;
        }
    }
    if (inCode)
        out << ".fi" << ".RE";
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString date;
    if (const qsizetype at = args.indexOf("--date"); at >= 0 && at + 1 < args.size()) {
        date = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 3 || date.isEmpty())
        fail("usage: make_manpage PROGRAM SOURCE.md OUT.1 --date YYYY-MM-DD");
    const QString program = QFileInfo(args[0]).absoluteFilePath();
    Source source = readSource(args[1]);

    const QStringList version = run(program, {"--version"}).trimmed().split(' ');
    if (version.size() != 2 || version[0] != source.name)
        fail(program + " --version does not print \"" + source.name + " VERSION\"");

    QStringList subcommands;
    std::vector<Command> commands{{QString(), parseHelp(run(program, {"--help"}), &subcommands)}};
    for (const QString& sub : subcommands)
        commands.push_back({sub, parseHelp(run(program, {sub, "--help"}), nullptr)});

    Page page(source, args[1]);
    QStringList synopsis, options;
    if (subcommands.isEmpty()) {
        synopsis << ".SY " + escape(source.name);
        const QString line = page.synopsis(commands[0]);
        synopsis << line.mid(line.indexOf("\\fR") + 4) << ".YS";
        options = page.entryList(commands[0], true);
    } else {
        // The program's own options, then each command with its synopsis, text and options.
        options = page.entryList(commands[0], true);
        for (std::size_t i = 1; i < commands.size(); ++i) {
            const Command& c = commands[i];
            options << ".SS \"" + escape(c.name) + "\"" << page.synopsis(c) << ".PP" << textLine(page.commandText(c.name));
            const QStringList list = page.entryList(c, false);
            if (!list.isEmpty())
                options << ".RS 4" << list << ".RE";
        }
        // "tarvel [--help] [--version]" and "tarvel COMMAND [OPTIONS] [ARGUMENTS]" in the page's words.
        auto words = source.help.find("@synopsis");
        if (words == source.help.end() || words->value.split(' ').size() != 3)
            fail(args[1] + ": [@synopsis COMMAND OPTIONS ARGUMENTS] is missing (the synopsis' words)");
        words->used = true;
        const QStringList w = words->value.split(' ');
        synopsis << ".SY " + escape(source.name) << "[\\fB\\-\\-help\\fR] [\\fB\\-\\-version\\fR]" << ".YS";
        synopsis << ".SY " + escape(source.name)
                 << "\\fI" + escape(w[0]) + "\\fR [\\fI" + escape(w[1]) + "\\fR] [\\fI" + escape(w[2]) + "\\fR]" << ".YS";
    }
    page.checkAllUsed();

    QStringList out{
        ".\\\" -*- coding: UTF-8 -*-",
        ".\\\" Made by make_manpage from " + QFileInfo(args[1]).fileName() + " and the program's --help.",
        QStringLiteral(".TH \"%1\" \"%2\" \"%3\" \"%4\" \"%5\"")
            .arg(escape(source.name.toUpper()), source.section, date,
                 escape(QStringLiteral("Tarvel Lab %1").arg(version[1])), escape(source.manual)),
    };
    out << renderBody(source.body, synopsis, options);
    QSaveFile file(args[2]);
    if (!file.open(QIODevice::WriteOnly))
        fail("cannot write " + args[2]);
    file.write((out.join('\n') + '\n').toUtf8());
    if (!file.commit())
        fail("cannot write " + args[2]);
    return 0;
}
