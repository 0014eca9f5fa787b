#include "gui/simulator/ChallengePanel.h"

#include "challenges/ChallengeFile.h"
#include "challenges/ProgramImage.h"
#include "compiler/BuildPlan.h"
#include "gui/app/NamedWidgets.h"
#include "gui/app/QtText.h"
#include "gui/app/UiText.h"
#include "workspace/Workspace.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace tarvel {

struct ChallengePanel::Outcome {
    Verdict verdict;
    Simulation final;
};

ChallengePanel::ChallengePanel(Workspace& workspace, QWidget* parent)
    : QGroupBox(tr("Reto"), parent)
    , ws_(workspace)
{
    setObjectName("fraReto");
    auto* layout = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    title_ = namedLabel(this, "lblRetoTitulo", {});
    title_->setAccessibleName(tr("Reto elegido"));
    QFont bold = title_->font();
    bold.setBold(true);
    title_->setFont(bold);
    auto* leaveButton = namedButton(this, "cmdSalirReto", tr("Salir del Reto"));
    leaveButton->setToolTip(tr("Dejar el reto y volver al simulador libre"));
    connect(leaveButton, &QPushButton::clicked, this, [this] { leave(); });
    head->addWidget(title_, 1);
    head->addWidget(leaveButton);
    layout->addLayout(head);

    description_ = namedLabel(this, "lblRetoDescripcion", {});
    description_->setAccessibleName(tr("Descripción del reto"));
    description_->setWordWrap(true);
    layout->addWidget(description_);

    goals_ = new QListWidget(this);
    goals_->setObjectName("lstObjetivos");
    goals_->setAccessibleName(tr("Objetivos del reto"));
    goals_->setMaximumHeight(goals_->fontMetrics().lineSpacing() * 6 + 8);
    goals_->setWordWrap(true);
    layout->addWidget(goals_);

    auto* bottom = new QHBoxLayout;
    try_ = namedButton(this, "cmdProbarReto", tr("Probar Reto"));
    try_->setToolTip(tr("Compilar el programa abierto, enviarlo al Ladrillo simulado y ver si cumple el reto"));
    connect(try_, &QPushButton::clicked, this, [this] { tryChallenge(); });
    stars_ = namedLabel(this, "lblEstrellas", {});
    stars_->setAccessibleName(tr("Estrellas"));
    stars_->setStyleSheet(QStringLiteral("color: #F9A825; font-size: 18px;"));
    result_ = namedLabel(this, "lblVeredicto", {});
    result_->setAccessibleName(tr("Resultado del reto"));
    result_->setWordWrap(true);
    bottom->addWidget(try_);
    bottom->addWidget(stars_);
    bottom->addWidget(result_, 1);
    layout->addLayout(bottom);
    hide();
}

ChallengePanel::~ChallengePanel()
{
    stopJudging();
}

void ChallengePanel::stopJudging()
{
    if (!worker_)
        return;
    cancel_ = true;
    worker_->wait(); // the judge looks at the request every tenth of a virtual second
    worker_->deleteLater();
    worker_ = nullptr;
    outcome_.reset();
    try_->setEnabled(true);
}

QString ChallengePanel::folder(const Workspace& ws)
{
    return fromNativePath(ws.appFile("retos"));
}

bool ChallengePanel::englishInterface(const Workspace& ws)
{
    return ws.settings.language == InterfaceLanguage::English;
}

std::vector<ChallengePanel::Listed> ChallengePanel::listed(const Workspace& ws)
{
    std::vector<Listed> out;
    for (const auto& file : challengeFiles(nativePath(folder(ws)))) {
        const ChallengeLoad load = loadChallengeFile(file, ws.worldsFolder());
        Listed entry;
        entry.path = fromNativePath(file.string());
        if (load.challenge) {
            const Challenge& c = *load.challenge;
            entry.title = qs(englishInterface(ws) && !c.englishTitle.empty() ? c.englishTitle : c.title);
        } else {
            entry.title = fromNativePath(file.stem().string());
            entry.problem = uiText(load.error);
        }
        out.push_back(entry);
    }
    return out;
}

bool ChallengePanel::choose(const QString& path)
{
    stopJudging();
    ChallengeLoad load = loadChallengeFile(nativePath(path), ws_.worldsFolder());
    if (!load.challenge) {
        if (showMessage)
            showMessage({asShown(uiText(load.error)), "Simulador", MessageIcon::Warning});
        return false;
    }
    ++generation_;
    challenge_ = std::move(load.challenge);
    // The goals' statements and reasons name the teacher's places in the interface's language.
    if (englishInterface(ws_))
        *challenge_ = inEnglish(std::move(*challenge_));
    verdict_.reset();
    const Challenge& c = *challenge_;
    ws_.simulation.switchOff();
    ws_.simulation.setWorld(c.world);
    ws_.worldPath = c.worldName.empty() ? std::string()
                                        : (std::filesystem::path(ws_.worldsFolder()) /
                                           (c.worldName.ends_with(".json") ? c.worldName : c.worldName + ".json"))
                                              .string();
    const bool english = englishInterface(ws_);
    title_->setText(qs(english && !c.englishTitle.empty() ? c.englishTitle : c.title));
    const QString description = qs(english && !c.englishDescription.empty() ? c.englishDescription : c.description);
    description_->setText(description + "\n" + tr("Tiempo límite: %1 s").arg(uiText(secondsWords(c.seconds))));
    showGoals();
    stars_->clear();
    showValue(result_, tr("Dibuje su programa y pulse \"Probar Reto\"."));
    try_->setEnabled(true);
    show();
    if (worldChanged)
        worldChanged();
    return true;
}

void ChallengePanel::leave()
{
    stopJudging();
    ++generation_;
    challenge_.reset();
    verdict_.reset();
    hide();
    if (worldChanged)
        worldChanged();
}

void ChallengePanel::showGoals()
{
    goals_->clear();
    if (!challenge_)
        return;
    const std::vector<GoalResult> listed = verdict_ ? verdict_->goals : goalsToMeet(*challenge_);
    for (const GoalResult& g : listed) {
        const QString indent(g.depth * 4, QLatin1Char(' '));
        QString line;
        if (!verdict_)
            line = indent + QStringLiteral("\u2022 ") + uiText(g.statement);
        else
            line = indent + (g.met ? QStringLiteral("\u2714 ") : QStringLiteral("\u2718 ")) + uiText(g.statement) +
                   QStringLiteral(": ") + uiText(g.reason);
        auto* item = new QListWidgetItem(line, goals_);
        if (verdict_) {
            item->setForeground(g.met ? QColor(46, 125, 50) : QColor(198, 40, 40));
            item->setToolTip(uiText(g.reason));
        }
    }
}

void ChallengePanel::tryChallenge()
{
    if (!challenge_ || worker_)
        return;
    if (ws_.buildMode != buildBits::Idle) {
        showValue(result_, tr("Espere a que termine la compilación en curso."));
        return;
    }
    const ProgramImage program = buildProgramImage(ws_.store, ws_.library);
    if (!program.ok) {
        verdict_.reset();
        showGoals();
        stars_->clear();
        showValue(result_, tr("El programa no se pudo compilar: %1").arg(uiText(program.message)));
        return;
    }
    // The image goes to the simulated brick as a download would put it there.
    ws_.simulation.load(program.image);
    ws_.simulation.setElementMap(program.elementMap);
    ws_.simulation.setWorld(challenge_->world);
    ws_.simulation.setSteering(program.steering);
    cancel_ = false;
    const std::uint64_t generation = ++generation_;
    auto outcome = std::make_shared<Outcome>();
    outcome_ = outcome;
    const Challenge challenge = *challenge_;
    worker_ = QThread::create([outcome, challenge, program, cancel = &cancel_] {
        outcome->verdict = judgeProgram(challenge, program, &outcome->final, cancel);
    });
    connect(worker_, &QThread::finished, this, [this, generation, thread = worker_] {
        if (thread == worker_) // not stopped meanwhile
            judgementDone(generation);
    });
    try_->setEnabled(false);
    stars_->clear();
    showValue(result_, tr("Probando el programa..."));
    worker_->start();
}

void ChallengePanel::judgementDone(std::uint64_t generation)
{
    worker_->wait();
    worker_->deleteLater();
    worker_ = nullptr;
    try_->setEnabled(true);
    const std::shared_ptr<Outcome> outcome = std::move(outcome_);
    if (generation != generation_ || !outcome || !challenge_)
        return; // another challenge was chosen meanwhile
    verdict_ = outcome->verdict;
    ws_.simulation = outcome->final; // the robot where the run left it, the program's outputs as they were
    showVerdict();
    if (runJudged)
        runJudged();
}

void ChallengePanel::showVerdict()
{
    showGoals();
    if (!verdict_)
        return;
    QString stars;
    for (int i = 0; i < 3; ++i)
        stars += i < verdict_->stars ? QStringLiteral("\u2605") : QStringLiteral("\u2606");
    showValue(stars_, stars);
    stars_->setAccessibleDescription(uiText(starsText(verdict_->stars)));
    showValue(result_, uiText(verdictText(*verdict_)));
}

void ChallengePanel::paintOverWorld(QPainter& painter) const
{
    if (!challenge_)
        return;
    painter.save();
    QPen border(QColor(46, 125, 50), 0.8, Qt::DashLine);
    painter.setPen(border);
    painter.setBrush(QColor(76, 175, 80, 60));
    std::function<void(const Goal&)> regions = [&](const Goal& g) {
        if (g.kind == Goal::Kind::Reach) {
            if (g.circle)
                painter.drawEllipse(QPointF(g.x, g.y), g.radius, g.radius);
            else
                painter.drawRect(QRectF(g.x, g.y, g.w, g.h));
        }
        for (const Goal& part : g.parts)
            regions(part);
    };
    regions(challenge_->goals);
    if (verdict_ && verdict_->trail.size() > 1) {
        QPainterPath path(QPointF(verdict_->trail.front().x, verdict_->trail.front().y));
        for (const WorldPoint& p : verdict_->trail)
            path.lineTo(p.x, p.y);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(21, 101, 192, 200), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.restore();
}

} // namespace tarvel
