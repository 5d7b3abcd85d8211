#include "platform/qt/help_accessibility.h"

#include <QAccessibleWidget>
#include <QDesktopServices>
#include <QPointer>
#include <QTextBlock>
#include <QTextEdit>
#include <QUrl>
#include <vector>

#include "platform/qt/accessible_text_widgets.h"

namespace {

// A heading or a link of the document: a span of its text.
struct Part {
  QAccessible::Role role;
  int start;
  int end;
  QString text;
  QString href;
};

// The headings and links in reading order.
std::vector<Part> PartsOf(const QTextDocument* document) {
  std::vector<Part> parts;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    if (block.blockFormat().headingLevel() > 0) {
      parts.push_back({QAccessible::Heading, block.position(),
                       block.position() + block.length() - 1, block.text().trimmed(), QString()});
    }
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      QTextCharFormat format = fragment.fragment().charFormat();
      if (!format.isAnchor() || format.anchorHref().isEmpty()) continue;
      int start = fragment.fragment().position();
      int end = start + fragment.fragment().length();
      if (!parts.empty() && parts.back().role == QAccessible::Link &&
          parts.back().href == format.anchorHref() && parts.back().end == start) {
        parts.back().end = end;
        parts.back().text += fragment.fragment().text();
        continue;
      }
      parts.push_back(
          {QAccessible::Link, start, end, fragment.fragment().text(), format.anchorHref()});
    }
  }
  return parts;
}

class AccessibleHelpDocument;

// One heading or link, as a child of the document's interface.
class HelpPart : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  HelpPart(QTextBrowser* browser, const Part& part) : browser_(browser), part_(part) {}

  bool isValid() const override { return !browser_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override {
    return browser_ ? browser_->window()->windowHandle() : nullptr;
  }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return browser_ ? QAccessible::queryAccessibleInterface(browser_) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return part_.text;
    if (kind == QAccessible::Value) return part_.href;
    return QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QAccessible::Role role() const override { return part_.role; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    if (part_.role == QAccessible::Link) {
      state.focusable = true;
      state.linked = true;
    }
    return state;
  }
  // Where its text is on the screen: from its first to its last character.
  QRect rect() const override {
    if (!browser_) return QRect();
    QTextCursor first(browser_->document());
    first.setPosition(part_.start);
    QTextCursor last(browser_->document());
    last.setPosition(part_.end);
    QRect area = browser_->cursorRect(first).united(browser_->cursorRect(last));
    return QRect(browser_->viewport()->mapToGlobal(area.topLeft()), area.size());
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ActionInterface && part_.role == QAccessible::Link) {
      return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
  }

  QStringList actionNames() const override { return {pressAction()}; }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }
  // A link within the help moves the viewer there; any other opens outside.
  void doAction(const QString& action) override {
    if (!browser_ || action != pressAction()) return;
    QUrl target = browser_->source().resolved(QUrl(part_.href));
    if (target.scheme() == QLatin1String("file") || target.scheme().isEmpty()) {
      browser_->setSource(target);
    } else {
      QDesktopServices::openUrl(target);
    }
  }

 private:
  QPointer<QTextBrowser> browser_;
  Part part_;
};

// The document: its text as a read-only text, its parts as children, made
// anew whenever the document changes.
class AccessibleHelpDocument : public AccessibleTextEditor<QTextEdit> {
 public:
  explicit AccessibleHelpDocument(QTextBrowser* browser)
      : AccessibleTextEditor<QTextEdit>(browser, QAccessible::Document) {}
  ~AccessibleHelpDocument() override { Forget(); }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Name) return Browser()->documentTitle();
    // The whole text is read through the text interface, not at once.
    if (kind == QAccessible::Value) return QString();
    return AccessibleTextEditor<QTextEdit>::text(kind);
  }
  using AccessibleTextEditor<QTextEdit>::text;

  // Read-only: the text can be read and selected, not edited.
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::EditableTextInterface) return nullptr;
    return AccessibleTextEditor<QTextEdit>::interface_cast(type);
  }

  int childCount() const override { return static_cast<int>(Ids().size()); }
  QAccessibleInterface* child(int index) const override {
    const std::vector<QAccessible::Id>& ids = Ids();
    if (index < 0 || index >= static_cast<int>(ids.size())) return nullptr;
    return QAccessible::accessibleInterface(ids[index]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const std::vector<QAccessible::Id>& ids = Ids();
    for (size_t i = 0; i < ids.size(); ++i) {
      if (QAccessible::accessibleInterface(ids[i]) == child) return static_cast<int>(i);
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (QAccessible::Id id : Ids()) {
      QAccessibleInterface* part = QAccessible::accessibleInterface(id);
      if (part != nullptr && part->rect().contains(x, y)) return part;
    }
    return nullptr;
  }

 private:
  QTextBrowser* Browser() const { return static_cast<QTextBrowser*>(widget()); }

  const std::vector<QAccessible::Id>& Ids() const {
    int revision = Browser()->document()->revision();
    QUrl source = Browser()->source();
    if (revision != revision_ || source != source_ || ids_.empty()) {
      Forget();
      for (const Part& part : PartsOf(Browser()->document())) {
        ids_.push_back(QAccessible::registerAccessibleInterface(new HelpPart(Browser(), part)));
      }
      revision_ = revision;
      source_ = source;
    }
    return ids_;
  }

  void Forget() const {
    for (QAccessible::Id id : ids_) {
      if (QAccessible::accessibleInterface(id) != nullptr)
        QAccessible::deleteAccessibleInterface(id);
    }
    ids_.clear();
  }

  mutable std::vector<QAccessible::Id> ids_;
  mutable int revision_ = -1;
  mutable QUrl source_;
};

}  // namespace

QAccessibleInterface* AccessibleHelp(QObject* object) {
  if (auto* window = dynamic_cast<HelpWindow*>(object)) {
    return new QAccessibleWidget(window, QAccessible::Window);
  }
  auto* browser = qobject_cast<QTextBrowser*>(object);
  if (browser != nullptr && dynamic_cast<HelpWindow*>(browser->window()) != nullptr) {
    return new AccessibleHelpDocument(browser);
  }
  return nullptr;
}

void MoveCaretToAnchor(QTextBrowser* browser, const QString& anchor) {
  QTextDocument* document = browser->document();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      if (!fragment.fragment().charFormat().anchorNames().contains(anchor)) continue;
      QTextCursor cursor(document);
      cursor.setPosition(fragment.fragment().position());
      browser->setTextCursor(cursor);
      return;
    }
  }
}
