#pragma once
// Renames a cached table file, or saves a copy of it under another table
// name. The user edits the table name; on OK the dialog checks the name, asks
// before it replaces an existing table, and moves or copies the file (whole,
// or not at all). Failures are shown and the dialog stays open.
#include "host/guiutil/DialogButtons.h"

#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;

class CDovrelRtbFileRenameDlg : public QDialog {
public:
    // Template and control ids.
    static constexpr int kIdd = 3760;
    static constexpr int kIdcHostName = 3761;    // read-only: the device
    static constexpr int kIdcQualifier = 3762;   // read-only: the qualifier, when there is one
    static constexpr int kIdcTableName = 3763;   // the table name the user edits
    static constexpr int kIdOk = guiutil::kIdOk;
    static constexpr int kIdCancel = guiutil::kIdCancel;

    enum Mode { kRename = 0, kSaveAs = 1 };

    explicit CDovrelRtbFileRenameDlg(QWidget* parent = nullptr);
    ~CDovrelRtbFileRenameDlg() override;

    void SetTableName(const std::string& name) { m_tableName = name; }
    void SetHostName(const std::string& host) { m_hostName = host; }
    void SetQualifier(const std::string& qualifier) { m_qualifier = qualifier; }
    // The folder that holds the tables of the type.
    void SetFolder(const std::string& folder);
    void SetTableType(int type) { m_tableType = type; }
    void SetMode(int mode) { m_mode = mode; }
    // The table file as it is now (its name may differ from what the parts
    // would give when it was named by hand).
    void SetSourcePath(const std::string& path) { m_sourcePath = path; }

    // After OK: the chosen table name, and the file it now lies in.
    const std::string& GetTableName() const { return m_tableName; }
    const std::string& GetNewPath() const { return m_newPath; }

    // Empty when name may name a table of host, else why not.
    static std::string CheckTableName(const std::string& name, const std::string& host,
                                      const std::string& qualifier, int type);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_initialised = false;
    std::string m_tableName;
    std::string m_hostName;
    std::string m_qualifier;
    std::string m_folder;
    int m_tableType = 1;
    int m_mode = kRename;
    std::string m_sourcePath;
    std::string m_newPath;

    QLabel* m_hostLabel = nullptr;
    QLabel* m_qualifierCaption = nullptr;
    QLabel* m_qualifierLabel = nullptr;
    QLineEdit* m_nameEdit = nullptr;
};
