#pragma once
// The document template of an MDI window kind: it knows how to make the
// window's document, frame and view, and makes frames inside the MDI area
// the host hands it. The host registers the template it is given and owns it
// (as a child QObject). It lives in the platform layer, which both the host
// and the module link, so the host can use it without linking the module.
#include <QObject>

#include <functional>
#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

class CMultiDocTemplate : public QObject {
public:
    using DocumentMaker = std::function<QObject*()>;
    using FrameMaker = std::function<QMdiSubWindow*()>;
    using ViewMaker = std::function<QWidget*(QMdiSubWindow* frame)>;

    CMultiDocTemplate(int resourceId, DocumentMaker document, FrameMaker frame, ViewMaker view);
    ~CMultiDocTemplate() override;

    // The MDI area frames open in; a template without one makes no frames.
    virtual void SetMdiArea(QMdiArea* area);
    virtual QMdiArea* MdiArea() const;
    virtual int ResourceId() const;

    QObject* CreateNewDocument();
    // A frame with its view, added to the MDI area (not shown yet); the
    // document becomes the frame's. Null without an MDI area.
    QMdiSubWindow* CreateNewFrame(QObject* document);
    // Shows the frame, filling the MDI area when visible.
    void InitialUpdateFrame(QMdiSubWindow* frame, QObject* document, bool visible);
    // The frames this template made that are still open, in the MDI area's
    // creation order: the host tells its browser windows from other MDI windows.
    std::vector<QMdiSubWindow*> Frames() const;

private:
    int m_resourceId;
    DocumentMaker m_document;
    FrameMaker m_frame;
    ViewMaker m_view;
    QMdiArea* m_area = nullptr;
    QMetaObject::Connection m_areaGone;
};
