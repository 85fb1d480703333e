#include "restrictions/DisablePro.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QString kMemberPrefix = QStringLiteral("Member");
QString truthText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}
} // namespace

DisablePro::DisablePro(Kind kind, const QString& instanceName, std::shared_ptr<Record> record)
    : m_kind(kind), m_name(instanceName), m_record(record ? std::move(record) : std::make_shared<Record>()),
      m_members(memberCount(kind), false) {}

QString DisablePro::className(Kind kind) {
    switch (kind) {
    case Kind::Disable:
        return QStringLiteral("DisablePro.Disable");
    case Kind::DisableStartMenu:
        return QStringLiteral("DisablePro.DisableStartMenu");
    case Kind::DisableControlPanel:
        return QStringLiteral("DisablePro.DisableControlPanel");
    case Kind::DisableMisc:
        return QStringLiteral("DisablePro.DisableMisc");
    }
    return {};
}

int DisablePro::memberCount(Kind kind) {
    switch (kind) {
    case Kind::Disable:
        return 11; // 0 and 1 unused, 2-9 the shell parts, 10 switched off at the end
    case Kind::DisableStartMenu:
        return 6;
    case Kind::DisableControlPanel:
        return 20;
    case Kind::DisableMisc:
        return 11;
    }
    return 0;
}

void DisablePro::setMember(int n, bool on) {
    if (n < 0 || n >= m_members.size()) return;
    m_record->writes.append({m_name, n, on});
    const bool changed = m_members[n] != on;
    m_members[n] = on;
    if (changed) saveStates();
}

bool DisablePro::member(int n) const {
    return n >= 0 && n < m_members.size() && m_members[n];
}

void DisablePro::setTag(const QString& t) {
    if (m_tag == t) return;
    m_tag = t;
    saveStates();
}

void DisablePro::linkStateFile(const std::array<DisablePro*, 4>& objects) {
    QString text;
    for (DisablePro* o : objects) {
        o->m_linked = objects;
        if (text.isNull() && !o->m_record->stateFile.isEmpty()) {
            QFile f(o->m_record->stateFile);
            text = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("");
        }
    }
    for (DisablePro* o : objects)
        o->loadStates(text);
    if (!objects.empty()) objects.front()->saveStates();
}

bool DisablePro::loadStates(const QString& text) {
    // The file is ours: "[instance]" headers and "MemberN=True|False" lines. Anything else is
    // passed over, so a damaged file leaves the switches off rather than failing.
    bool inSection = false;
    bool found = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2).compare(m_name, Qt::CaseInsensitive) == 0;
            found = found || inSection;
            continue;
        }
        if (!inSection || !line.startsWith(kMemberPrefix)) continue;
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        bool ok = false;
        const int n = line.mid(kMemberPrefix.size(), eq - kMemberPrefix.size()).toInt(&ok);
        if (ok && n >= 0 && n < m_members.size())
            m_members[n] = line.mid(eq + 1).trimmed().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
    }
    return found;
}

void DisablePro::saveStates() const {
    if (m_record->stateFile.isEmpty() || !m_linked.front()) return;
    QString text = QStringLiteral("# Shell restrictions as the restriction component holds them.\n"
                                  "# True: that part of the desktop is switched off.\n");
    for (const DisablePro* o : m_linked) {
        if (!o) continue;
        text += QLatin1Char('[') + o->m_name + QStringLiteral("]\n");
        text += QStringLiteral("Class=") + className(o->m_kind) + QLatin1Char('\n');
        text +=
            QStringLiteral("Tag=") + QString(o->m_tag).replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\n');
        for (int n = 0; n < o->m_members.size(); ++n)
            text +=
                kMemberPrefix + QString::number(n) + QLatin1Char('=') + truthText(o->m_members[n]) + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    // Written whole or not at all: a reader never sees half a file.
    QSaveFile f(m_record->stateFile);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(text.toUtf8());
        f.commit();
    }
}
