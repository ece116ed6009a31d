#pragma once
// The browser's document: it holds no data of its own (the pages read the
// DataFolder's files); one is made per tab, as the document framework expects.
#include <QObject>

class CDatafolderDoc : public QObject {
public:
    explicit CDatafolderDoc(QObject* parent = nullptr);
    ~CDatafolderDoc() override;
};
