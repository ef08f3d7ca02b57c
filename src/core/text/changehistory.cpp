#include "text/changehistory.h"

#include "text/identifiers.h"
#include "text/textformat.h"

#include <algorithm>
#include <cstring>

namespace pelmora {

using namespace text;

// --- Attribute states ----------------------------------------------------------------------------

AttributeState attributeState(XmlNode element, const char* name)
{
    AttributeState state;
    std::uint32_t position = 0;
    for (pugi::xml_attribute a = element.first_attribute(); a; a = a.next_attribute(), ++position) {
        if (std::string_view(a.name()) == name) {
            state.present = true;
            state.value = a.value();
            state.position = position;
            return state;
        }
    }
    return state;
}

void applyAttributeState(XmlNode element, const char* name, const AttributeState& state)
{
    if (!state.present) {
        element.remove_attribute(name);
        return;
    }
    pugi::xml_attribute attribute = element.attribute(name);
    if (!attribute) {
        pugi::xml_attribute before = element.first_attribute();
        for (std::uint32_t i = 0; before && i < state.position; ++i)
            before = before.next_attribute();
        attribute = before ? element.insert_attribute_before(name, before) : element.append_attribute(name);
    }
    attribute.set_value(state.value.data(), state.value.size());
}

// --- Renumbering ---------------------------------------------------------------------------------

namespace {

bool isNumberedChild(XmlNode node)
{
    return isElement(node, kToken) || isElement(node, kCombination);
}

std::string_view ownSuffix(XmlNode child, std::string_view id)
{
    return isElement(child, kToken) ? tokenSuffix(id) : combinationSuffix(id);
}

// The identifier a child had when its sentence was called `prefix`, given its present one.
std::string formerChildId(std::string_view prefix, XmlNode child, std::string_view id)
{
    std::string former(prefix);
    former += '_';
    former += ownSuffix(child, id);
    return former;
}

// The number of a canonical sentence identifier "l<n>" (no sign, no leading zero).
bool canonicalSentenceNumber(const AttributeState& state, long long& number)
{
    const std::string& id = state.value;
    if (!state.present || id.size() < 2 || id.size() > 19 || id[0] != 'l' || id[1] == '0')
        return false;
    number = 0;
    for (std::size_t i = 1; i < id.size(); ++i) {
        if (id[i] < '0' || id[i] > '9')
            return false;
        number = number * 10 + (id[i] - '0');
    }
    return true;
}

void keep(RenumberRecord& record, RenumberRecord::Sentence entry)
{
    long long number = 0;
    if (entry.exceptions.empty() && canonicalSentenceNumber(entry.before, number)) {
        const long long offset = number - (static_cast<long long>(entry.ordinal) + 1);
        if (!record.runs.empty()) {
            RenumberRecord::Run& last = record.runs.back();
            if (last.first + last.count == entry.ordinal && last.offset == offset) {
                ++last.count;
                return;
            }
        }
        record.runs.push_back({entry.ordinal, 1, offset});
        return;
    }
    record.sentences.push_back(std::move(entry));
}

}  // namespace

bool renumberSentenceIds(XmlNode body, RenumberRecord* record)
{
    bool changed = false;
    std::uint32_t sentenceOrdinal = 0;
    for (XmlNode sentence = firstChildElement(body, kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence), ++sentenceOrdinal) {
        const std::string sentenceId = "l" + std::to_string(sentenceOrdinal + 1);
        RenumberRecord::Sentence entry;
        entry.ordinal = sentenceOrdinal;
        entry.before = attributeState(sentence, kId);
        bool sentenceChanged = !entry.before.present || entry.before.value != sentenceId;
        std::uint32_t childOrdinal = 0;
        for (XmlNode child = sentence.first_child(); child; child = child.next_sibling()) {
            if (!isNumberedChild(child))
                continue;
            const std::string_view oldId = attributeValue(child, kId);
            const bool present = static_cast<bool>(child.attribute(kId));
            std::string newId = sentenceId;
            newId += '_';
            newId += ownSuffix(child, oldId);
            if (!present || oldId != newId) {
                sentenceChanged = true;
                if (record) {
                    // Keep the old identifier only when undo could not rebuild it from the
                    // old sentence identifier and the suffix, which renumbering keeps.
                    const bool rebuildable = present && entry.before.present &&
                                             formerChildId(entry.before.value, child, newId) == oldId;
                    if (!rebuildable)
                        entry.exceptions.push_back({childOrdinal, attributeState(child, kId)});
                }
                setAttribute(child, kId, newId);
            } else if (record && !(entry.before.present &&
                                   formerChildId(entry.before.value, child, newId) == oldId)) {
                // Unchanged, but undo would otherwise rebuild it from the old sentence identifier.
                entry.exceptions.push_back({childOrdinal, attributeState(child, kId)});
            }
            ++childOrdinal;
        }
        if (sentenceChanged) {
            changed = true;
            if (entry.before.value != sentenceId || !entry.before.present)
                setAttribute(sentence, kId, sentenceId);
            if (record)
                keep(*record, std::move(entry));
        }
    }
    return changed;
}

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang before 17 builds the fuzz targets).
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

void restoreChildren(XmlNode sentence, const std::string& prefix,
                     const std::vector<RenumberRecord::Child>& exceptions)
{
    auto exception = exceptions.begin();
    std::uint32_t childOrdinal = 0;
    for (XmlNode child = sentence.first_child(); child; child = child.next_sibling()) {
        if (!isNumberedChild(child))
            continue;
        if (exception != exceptions.end() && exception->ordinal == childOrdinal) {
            applyAttributeState(child, kId, exception->before);
            ++exception;
        } else {
            setAttribute(child, kId, formerChildId(prefix, child, attributeValue(child, kId)));
        }
        ++childOrdinal;
    }
}

void undoRenumbering(XmlNode body, const RenumberRecord& record)
{
    auto entry = record.sentences.begin();
    auto run = record.runs.begin();
    std::uint32_t ordinal = 0;
    for (XmlNode sentence = firstChildElement(body, kSentence); sentence;
         sentence = nextSiblingElement(sentence, kSentence), ++ordinal) {
        while (run != record.runs.end() && ordinal >= run->first + run->count)
            ++run;
        if (run == record.runs.end() && entry == record.sentences.end())
            break;
        if (run != record.runs.end() && ordinal >= run->first) {
            const std::string prefix = "l" + std::to_string(static_cast<long long>(ordinal) + 1 + run->offset);
            restoreChildren(sentence, prefix, {});
            setAttribute(sentence, kId, prefix);
        } else if (entry != record.sentences.end() && entry->ordinal == ordinal) {
            restoreChildren(sentence, entry->before.value, entry->exceptions);
            applyAttributeState(sentence, kId, entry->before);
            ++entry;
        }
    }
}

// One attribute's change as packed into a run of an element's changes: the name and a NUL, then
// the state before and the state after, each as presence, position, value length and value.
void packState(std::string& out, const AttributeState& state)
{
    const std::uint32_t numbers[2] = {state.position, static_cast<std::uint32_t>(state.value.size())};
    out.push_back(state.present ? '\1' : '\0');
    out.append(reinterpret_cast<const char*>(numbers), sizeof numbers);
    out.append(state.value);
}

void packAttributeEdit(std::string& out, const char* name, const AttributeState& before, const AttributeState& after)
{
    out.append(name);
    out.push_back('\0');
    packState(out, before);
    packState(out, after);
}

struct UnpackedEdit {
    const char* name = nullptr;  // NUL-terminated inside the packed string
    AttributeState before;
    AttributeState after;
};

AttributeState unpackState(const std::string& packed, std::size_t& at)
{
    AttributeState state;
    std::uint32_t numbers[2] = {};
    state.present = packed[at] != '\0';
    std::memcpy(numbers, packed.data() + at + 1, sizeof numbers);
    at += 1 + sizeof numbers;
    state.position = numbers[0];
    state.value.assign(packed, at, numbers[1]);
    at += numbers[1];
    return state;
}

std::vector<UnpackedEdit> unpackAttributeEdits(const std::string& packed)
{
    std::vector<UnpackedEdit> edits;
    for (std::size_t at = 0; at < packed.size();) {
        UnpackedEdit edit;
        edit.name = packed.c_str() + at;
        at += std::strlen(edit.name) + 1;
        edit.before = unpackState(packed, at);
        edit.after = unpackState(packed, at);
        edits.push_back(std::move(edit));
    }
    return edits;
}

// Heap bytes beyond the objects themselves (short strings live inside them).
std::size_t heapBytes(const std::string& text)
{
    return text.capacity() > 15 ? text.capacity() + 1 : 0;
}

std::size_t stateBytes(const AttributeState& state)
{
    return heapBytes(state.value);
}

std::size_t subtreeBytes(XmlNode node)
{
    std::size_t bytes = 64 + std::string_view(node.name()).size() + std::string_view(node.value()).size();
    for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute())
        bytes += 32 + std::string_view(a.name()).size() + std::string_view(a.value()).size();
    for (XmlNode child = node.first_child(); child; child = child.next_sibling())
        bytes += subtreeBytes(child);
    return bytes;
}

std::size_t pathBytes(const NodePath& path)
{
    return path.capacity() * sizeof(std::uint32_t);
}

// The child at the index, not counting `skip`.
XmlNode childAt(XmlNode parent, std::uint32_t index, XmlNode skip = XmlNode())
{
    XmlNode child = parent.first_child();
    for (std::uint32_t i = 0; child;) {
        if (child != skip) {
            if (i == index)
                return child;
            ++i;
        }
        child = child.next_sibling();
    }
    return {};
}

void moveTo(XmlNode node, XmlNode parent, std::uint32_t index)
{
    if (const XmlNode before = childAt(parent, index, node))
        parent.insert_move_before(node, before);
    else
        parent.append_move(node);
}

XmlNode insertCopyAt(XmlNode parent, std::uint32_t index, XmlNode copy)
{
    if (const XmlNode before = childAt(parent, index))
        return parent.insert_copy_before(copy, before);
    return parent.append_copy(copy);
}

XmlNode insertElementAt(XmlNode parent, std::uint32_t index, const std::string& name)
{
    if (const XmlNode before = childAt(parent, index))
        return parent.insert_child_before(name.c_str(), before);
    return parent.append_child(name.c_str());
}

NodePath parentPath(const NodePath& path)
{
    return NodePath(path.begin(), path.end() - (path.empty() ? 0 : 1));
}

}  // namespace

// --- History -------------------------------------------------------------------------------------

namespace {
constexpr std::size_t kIndexCacheLimit = 1u << 16;
constexpr std::uint32_t kNearLast = 8;
}  // namespace

ChangeHistory::ChangeHistory(std::function<void(XmlNode)> aboutToRemove)
    : m_aboutToRemove(std::move(aboutToRemove))
{
}

ChangeHistory::~ChangeHistory() = default;

void ChangeHistory::open(XmlNode current)
{
    if (m_depth++ > 0)
        return;
    m_open = Step();
    m_lastAttributeElement = XmlNode();
    m_openCurrent = current;
    m_openCurrentTaken = false;
}

void ChangeHistory::nameOpenStep(std::string_view name)
{
    if (m_depth > 0 && m_open.name.empty())
        m_open.name = name;
}

void ChangeHistory::renameOpenStep(std::string_view name)
{
    if (m_depth > 0)
        m_open.name = name;
}

bool ChangeHistory::close(XmlNode current)
{
    if (m_depth == 0 || --m_depth > 0)
        return false;
    m_openCurrent = XmlNode();
    m_lastAttributeElement = XmlNode();
    if (m_open.changes.empty())
        return false;
    if (current) {
        m_open.currentAfter = pathOf(current);
        m_open.hasCurrentAfter = true;
    }
    m_open.serial = m_nextSerial++;
    for (Step& step : m_redo)
        discard(step);
    m_redo.clear();
    m_undo.push_back(std::move(m_open));
    m_open = Step();
    trimToLimit();
    return true;
}

XmlNode ChangeHistory::cancelOpenStep(XmlNode documentNode)
{
    if (m_depth == 0)
        return {};
    for (auto change = m_open.changes.rbegin(); change != m_open.changes.rend(); ++change) {
        forgetPositions();
        revert(documentNode, *change);
    }
    forgetPositions();
    const XmlNode current = m_open.hasCurrentBefore ? resolve(documentNode, m_open.currentBefore) : m_openCurrent;
    discard(m_open);
    std::string name = std::move(m_open.name);
    m_open = Step();
    m_open.name = std::move(name);  // the command goes on under its name
    m_lastAttributeElement = XmlNode();
    m_openCurrentTaken = false;
    m_openCurrent = current;
    return current;
}

void ChangeHistory::takeCurrent()
{
    // The current token's place is taken before the first change of a step, while it is surely
    // valid and no insertion has shifted it.
    if (m_depth == 0 || m_openCurrentTaken)
        return;
    m_openCurrentTaken = true;
    if (m_openCurrent) {
        m_open.currentBefore = pathOf(m_openCurrent);
        m_open.hasCurrentBefore = true;
    }
}

void ChangeHistory::add(Change change)
{
    if (m_depth == 0)
        return;
    takeCurrent();
    m_lastAttributeElement = XmlNode();
    m_open.changes.push_back(std::move(change));
}

void ChangeHistory::aboutToInsert()
{
    takeCurrent();
}

void ChangeHistory::attributeChanged(XmlNode element, const char* name, AttributeState before)
{
    AttributeState after = attributeState(element, name);
    if (after == before || m_depth == 0)
        return;
    if (element == m_lastAttributeElement && !m_open.changes.empty()) {
        if (auto* last = std::get_if<AttributeChange>(&m_open.changes.back())) {
            packAttributeEdit(last->edits, name, before, after);
            return;
        }
    }
    AttributeChange change{pathOf(element), {}};
    packAttributeEdit(change.edits, name, before, after);
    add(std::move(change));
    m_lastAttributeElement = element;
}

void ChangeHistory::textChanged(XmlNode element, bool hadTextNode, std::string before, std::string_view after)
{
    add(TextChange{pathOf(element), hadTextNode, std::move(before), std::string(after)});
}

void ChangeHistory::inserted(XmlNode node)
{
    forgetPositions();
    add(InsertChange{pathOf(node), node.name()});
}

void ChangeHistory::aboutToRemove(XmlNode node)
{
    if (m_depth == 0)
        return;
    takeCurrent();
    NodePath path = pathOf(node);
    const XmlNode copy = m_attic.append_copy(node);
    forgetPositions();
    add(RemoveChange{std::move(path), copy});
}

void ChangeHistory::aboutToMove(XmlNode node)
{
    takeCurrent();
    m_moveFromParent = pathOf(node.parent());
    m_moveFromIndex = indexOf(node);
}

void ChangeHistory::moved(XmlNode node)
{
    forgetPositions();
    add(MoveChange{std::move(m_moveFromParent), m_moveFromIndex, pathOf(node)});
}

void ChangeHistory::renumbered(XmlNode body, RenumberRecord record)
{
    if (record.empty())
        return;
    add(RenumberChange{pathOf(body), std::move(record)});
}

// --- Positions -------------------------------------------------------------------------------------

std::uint32_t ChangeHistory::indexOf(XmlNode node)
{
    // Walk back to the nearest sibling whose index is known, so walks in text order stay cheap.
    // The last node asked about is known without a lookup; a node reached in a few steps from it
    // is not kept in the table (a long run of tokens would only fill it).
    std::uint32_t distance = 0;
    std::uint32_t index = 0;
    bool known = false;
    bool nearLast = false;
    for (XmlNode walk = node; walk; walk = walk.previous_sibling(), ++distance) {
        if (walk == m_lastIndexed) {
            index = m_lastIndex + distance;
            known = true;
            nearLast = distance <= kNearLast;
            break;
        }
        const auto found = m_indexCache.find(walk.internal_object());
        if (found != m_indexCache.end()) {
            index = found->second + distance;
            known = true;
            break;
        }
    }
    if (!known)
        index = distance - 1;
    m_lastIndexed = node;
    m_lastIndex = index;
    if (nearLast)
        return index;
    // Long annotation sessions without structural edits would otherwise grow the cache without end.
    if (m_indexCache.size() >= kIndexCacheLimit)
        m_indexCache.clear();
    m_indexCache[node.internal_object()] = index;
    return index;
}

void ChangeHistory::forgetPositions()
{
    m_indexCache.clear();
    m_lastIndexed = XmlNode();
    m_pathParent = XmlNode();
}

NodePath ChangeHistory::pathOf(XmlNode node)
{
    // Changes come in runs of siblings (the tokens of a sentence): their parent's path is kept.
    if (node && node.parent() && node.parent() == m_pathParent) {
        NodePath path = m_pathParentPath;
        path.push_back(indexOf(node));
        return path;
    }
    NodePath path;
    for (XmlNode walk = node; walk && walk.parent(); walk = walk.parent())
        path.push_back(indexOf(walk));
    std::reverse(path.begin(), path.end());
    if (!path.empty()) {
        m_pathParent = node.parent();
        m_pathParentPath.assign(path.begin(), path.end() - 1);
    }
    return path;
}

XmlNode ChangeHistory::resolve(XmlNode documentNode, const NodePath& path) const
{
    XmlNode node = documentNode;
    for (const std::uint32_t index : path) {
        node = childAt(node, index);
        if (!node)
            return {};
    }
    return node;
}

// --- Undo and redo ---------------------------------------------------------------------------------

void ChangeHistory::revert(XmlNode documentNode, const Change& change)
{
    std::visit(Overloaded{
        [&](const AttributeChange& c) {
            const XmlNode element = resolve(documentNode, c.element);
            const std::vector<UnpackedEdit> edits = unpackAttributeEdits(c.edits);
            for (auto edit = edits.rbegin(); edit != edits.rend(); ++edit)
                applyAttributeState(element, edit->name, edit->before);
        },
        [&](const TextChange& c) {
            XmlNode element = resolve(documentNode, c.element);
            if (c.hadTextNode)
                element.first_child().set_value(c.before.data(), c.before.size());
            else
                element.remove_child(element.first_child());
        },
        [&](const InsertChange& c) {
            XmlNode node = resolve(documentNode, c.node);
            m_aboutToRemove(node);
            node.parent().remove_child(node);
        },
        [&](const RemoveChange& c) {
            insertCopyAt(resolve(documentNode, parentPath(c.node)), c.node.back(), c.copy);
        },
        [&](const MoveChange& c) {
            moveTo(resolve(documentNode, c.to), resolve(documentNode, c.fromParent), c.fromIndex);
        },
        [&](const RenumberChange& c) { undoRenumbering(resolve(documentNode, c.body), c.record); },
    }, change);
}

void ChangeHistory::apply(XmlNode documentNode, const Change& change)
{
    std::visit(Overloaded{
        [&](const AttributeChange& c) {
            const XmlNode element = resolve(documentNode, c.element);
            for (const UnpackedEdit& edit : unpackAttributeEdits(c.edits))
                applyAttributeState(element, edit.name, edit.after);
        },
        [&](const TextChange& c) { setElementText(resolve(documentNode, c.element), c.after); },
        [&](const InsertChange& c) {
            insertElementAt(resolve(documentNode, parentPath(c.node)), c.node.back(), c.name);
        },
        [&](const RemoveChange& c) {
            XmlNode node = resolve(documentNode, c.node);
            m_aboutToRemove(node);
            node.parent().remove_child(node);
        },
        [&](const MoveChange& c) {
            NodePath from = c.fromParent;
            from.push_back(c.fromIndex);
            moveTo(resolve(documentNode, from), resolve(documentNode, parentPath(c.to)), c.to.back());
        },
        [&](const RenumberChange& c) { renumberSentenceIds(resolve(documentNode, c.body), nullptr); },
    }, change);
}

bool ChangeHistory::undo(XmlNode documentNode, XmlNode& current)
{
    if (!canUndo())
        return false;
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    for (auto change = step.changes.rbegin(); change != step.changes.rend(); ++change) {
        forgetPositions();
        revert(documentNode, *change);
    }
    forgetPositions();
    current = step.hasCurrentBefore ? resolve(documentNode, step.currentBefore) : XmlNode();
    m_redo.push_back(std::move(step));
    return true;
}

bool ChangeHistory::redo(XmlNode documentNode, XmlNode& current)
{
    if (!canRedo())
        return false;
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    for (const Change& change : step.changes) {
        forgetPositions();
        apply(documentNode, change);
    }
    forgetPositions();
    current = step.hasCurrentAfter ? resolve(documentNode, step.currentAfter) : XmlNode();
    m_undo.push_back(std::move(step));
    return true;
}

std::uint64_t ChangeHistory::stateSerial() const
{
    return m_undo.empty() ? m_baseSerial : m_undo.back().serial;
}

void ChangeHistory::discard(Step& step)
{
    for (Change& change : step.changes)
        if (auto* c = std::get_if<RemoveChange>(&change))
            m_attic.remove_child(c->copy);
    step.changes.clear();
}

void ChangeHistory::trimToLimit()
{
    while (m_undo.size() > m_limit) {
        m_baseSerial = m_undo.front().serial;
        discard(m_undo.front());
        m_undo.pop_front();
    }
}

void ChangeHistory::clear()
{
    for (Step& step : m_undo)
        discard(step);
    for (Step& step : m_redo)
        discard(step);
    discard(m_open);
    m_undo.clear();
    m_redo.clear();
    m_open = Step();
    m_lastAttributeElement = XmlNode();
    m_attic.reset();
    forgetPositions();
    m_baseSerial = m_nextSerial++;
}

void ChangeHistory::setLimit(std::size_t steps)
{
    m_limit = std::max<std::size_t>(steps, 1);
    trimToLimit();
}

std::size_t ChangeHistory::memoryUse() const
{
    std::size_t bytes = 0;
    const auto changeBytes = Overloaded{
        [](const AttributeChange& c) {
            return pathBytes(c.element) + heapBytes(c.edits);
        },
        [](const TextChange& c) { return pathBytes(c.element) + heapBytes(c.before) + heapBytes(c.after); },
        [](const InsertChange& c) { return pathBytes(c.node) + heapBytes(c.name); },
        [](const RemoveChange& c) { return pathBytes(c.node) + subtreeBytes(c.copy); },
        [](const MoveChange& c) { return pathBytes(c.fromParent) + pathBytes(c.to); },
        [](const RenumberChange& c) {
            std::size_t total = pathBytes(c.body) + c.record.runs.capacity() * sizeof(RenumberRecord::Run);
            for (const RenumberRecord::Sentence& s : c.record.sentences) {
                total += sizeof(s) + stateBytes(s.before) + s.exceptions.capacity() * sizeof(RenumberRecord::Child);
                for (const RenumberRecord::Child& e : s.exceptions)
                    total += stateBytes(e.before);
            }
            return total;
        },
    };
    for (const std::deque<Step>* steps : {&m_undo, &m_redo}) {
        for (const Step& step : *steps) {
            bytes += sizeof(Step) + pathBytes(step.currentBefore) + pathBytes(step.currentAfter);
            for (const Change& change : step.changes)
                bytes += sizeof(Change) + std::visit(changeBytes, change);
        }
    }
    return bytes;
}

}  // namespace pelmora
