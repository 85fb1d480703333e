#pragma once

#include "platform/RestrictionComponent.h"

#include <QList>
#include <QString>
#include <array>
#include <memory>

// Our own restriction component: four objects, each a row of truth-valued switches addressed
// by member number (dispatch identifier 0x68030000 + n), the Disable object with a Tag text.
// It does not reach into the desktop; it keeps the switches' states, records every write in
// order, and mirrors the current states into a text file so that a person can see at a glance
// what is switched off.
class DisablePro final : public RestrictionComponent {
public:
    enum class Kind { Disable, DisableStartMenu, DisableControlPanel, DisableMisc };
    static constexpr quint32 kDispatchBase = 0x68030000u;

    // One switch write as the component received it.
    struct Write {
        QString object; // the instance name, e.g. "DisableZ"
        int member;
        bool on;
        bool operator==(const Write& o) const = default;
    };

    // What the four objects share: the record of writes and the state file.
    class Record final {
    public:
        QList<Write> writes;
        QString stateFile; // empty: no file is kept
    };

    DisablePro(Kind kind, const QString& instanceName, std::shared_ptr<Record> record);

    // "DisablePro.Disable", ... ; the number of members each object has.
    static QString className(Kind kind);
    static int memberCount(Kind kind);
    static quint32 dispatchId(int member) { return kDispatchBase + static_cast<quint32>(member); }

    // RestrictionComponent. A member the object does not have is ignored (and reads false),
    // as a refused property write would be.
    void setMember(int n, bool on) override;
    bool member(int n) const override;
    QString tag() const override { return m_tag; }
    void setTag(const QString& t) override;

    // The same switches reached by dispatch identifier.
    void setProperty(quint32 dispatchId, bool on) { setMember(static_cast<int>(dispatchId - kDispatchBase), on); }
    bool property(quint32 dispatchId) const { return member(static_cast<int>(dispatchId - kDispatchBase)); }

    Kind kind() const { return m_kind; }
    QString instanceName() const { return m_name; }
    const Record& record() const { return *m_record; }

    // Connects the objects that share one state file; each then rewrites it on every change.
    // Takes over the states found in the file (restrictions stay as they were when the
    // previous run ended without lifting them).
    static void linkStateFile(const std::array<DisablePro*, 4>& objects);

private:
    void saveStates() const;
    bool loadStates(const QString& text);

    Kind m_kind;
    QString m_name;
    std::shared_ptr<Record> m_record;
    QList<bool> m_members;
    QString m_tag;
    std::array<DisablePro*, 4> m_linked{};
};
