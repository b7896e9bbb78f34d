#include "app/ExchangeOrder.h"

#include <algorithm>
#include <utility>

namespace vellumar {

namespace {

// Counts of the ranks seen so far.
class Fenwick {
public:
    explicit Fenwick(std::size_t n) : tree_(n + 1, 0) {}
    void Add(std::size_t i) {
        for (++i; i < tree_.size(); i += i & (~i + 1)) ++tree_[i];
    }
    // How many of the ranks 0..i were added.
    std::size_t UpTo(std::size_t i) const {
        std::size_t sum = 0;
        for (++i; i > 0; i -= i & (~i + 1)) sum += tree_[i];
        return sum;
    }

private:
    std::vector<std::size_t> tree_;
};

// A sequence with O(log n) rotation and appending (an implicit treap).
class RotatingQueue {
public:
    void Append(std::size_t value) {
        nodes_.push_back({value, NextPriority(), 1, kNone, kNone});
        root_ = Merge(root_, nodes_.size() - 1);
    }
    // Moves the first `count` values to the back.
    void Rotate(std::size_t count) {
        if (root_ == kNone) return;
        count %= nodes_[root_].size;
        if (count == 0) return;
        auto [front, back] = Split(root_, count);
        root_ = Merge(back, front);
    }
    void AppendTo(std::vector<std::size_t>& out) const {
        // In-order walk without recursion.
        std::vector<std::size_t> stack;
        std::size_t node = root_;
        while (node != kNone || !stack.empty()) {
            while (node != kNone) {
                stack.push_back(node);
                node = nodes_[node].left;
            }
            node = stack.back();
            stack.pop_back();
            out.push_back(nodes_[node].value);
            node = nodes_[node].right;
        }
    }

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
    struct Node {
        std::size_t value;
        std::uint32_t priority;
        std::size_t size;
        std::size_t left, right;
    };

    std::uint32_t NextPriority() {
        // xorshift: the tree's balance needs spread, not secrecy.
        seed_ ^= seed_ << 13;
        seed_ ^= seed_ >> 17;
        seed_ ^= seed_ << 5;
        return seed_;
    }
    std::size_t Size(std::size_t n) const { return n == kNone ? 0 : nodes_[n].size; }
    void Update(std::size_t n) { nodes_[n].size = 1 + Size(nodes_[n].left) + Size(nodes_[n].right); }

    std::size_t Merge(std::size_t a, std::size_t b) {
        if (a == kNone) return b;
        if (b == kNone) return a;
        if (nodes_[a].priority > nodes_[b].priority) {
            nodes_[a].right = Merge(nodes_[a].right, b);
            Update(a);
            return a;
        }
        nodes_[b].left = Merge(a, nodes_[b].left);
        Update(b);
        return b;
    }
    // The first `count` values, and the rest.
    std::pair<std::size_t, std::size_t> Split(std::size_t n, std::size_t count) {
        if (n == kNone) return {kNone, kNone};
        if (Size(nodes_[n].left) >= count) {
            auto [a, b] = Split(nodes_[n].left, count);
            nodes_[n].left = b;
            Update(n);
            return {a, n};
        }
        auto [a, b] = Split(nodes_[n].right, count - Size(nodes_[n].left) - 1);
        nodes_[n].right = a;
        Update(n);
        return {n, b};
    }

    std::vector<Node> nodes_;
    std::size_t root_ = kNone;
    std::uint32_t seed_ = 2463534242u;
};

}  // namespace

std::vector<std::size_t> ExchangeSortOrder(const std::vector<std::uint32_t>& ranks) {
    const std::size_t n = ranks.size();
    std::vector<std::size_t> order;
    order.reserve(n);
    if (n == 0) return order;
    const std::size_t rankCount = *std::max_element(ranks.begin(), ranks.end()) + std::size_t{1};

    // Entries of each rank in list order, and for each entry how many greater
    // entries stand before it.
    std::vector<std::vector<std::size_t>> members(rankCount);
    std::vector<std::size_t> greaterBefore(n);
    Fenwick seen(rankCount);
    for (std::size_t k = 0; k < n; ++k) {
        greaterBefore[k] = k - seen.UpTo(ranks[k]);
        seen.Add(ranks[k]);
        members[ranks[k]].push_back(k);
    }

    std::size_t greaterTotal = 0;  // entries of a higher rank than the current one
    for (std::size_t r = rankCount; r-- > 0;) {
        const std::vector<std::size_t>& group = members[r];
        if (group.size() == 1) {
            order.push_back(group[0]);
        } else if (!group.empty()) {
            RotatingQueue queue;
            std::size_t passed = 0;
            for (std::size_t k : group) {
                queue.Rotate(greaterBefore[k] - passed);
                passed = greaterBefore[k];
                queue.Append(k);
            }
            queue.Rotate(greaterTotal - passed);
            queue.AppendTo(order);
        }
        greaterTotal += group.size();
    }
    return order;
}

}  // namespace vellumar
