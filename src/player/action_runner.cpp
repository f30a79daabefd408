#include "player/action_runner.h"

#include "player/bit_reader.h"
#include "player/clip_instance.h"
#include "player/movie_error.h"
#include "player/text_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace player {

namespace {

constexpr size_t kMaxStack = 4096;

// A value on the action stack. A plain record: scripts of ours hold a handful of values at most.
struct Value {
    enum class Type { Undefined, Number, String, Boolean };
    Type type = Type::Undefined;
    double number = 0;
    std::string text;

    static Value Undefined() { return {}; }
    static Value Number(double d) { return {Type::Number, d, {}}; }
    static Value String(std::string s) { return {Type::String, 0, std::move(s)}; }
    static Value Boolean(bool b) { return {Type::Boolean, b ? 1.0 : 0.0, {}}; }
    bool IsString() const { return type == Type::String; }
};

double ToNumber(const Value& v) {
    if (v.type == Value::Type::Number || v.type == Value::Type::Boolean)
        return v.number;
    if (v.IsString()) {
        char* end = nullptr;
        const double d = std::strtod(v.text.c_str(), &end);
        return end != v.text.c_str() ? d : 0;
    }
    return 0;
}

std::string ToText(const Value& v) {
    switch (v.type) {
    case Value::Type::String: return v.text;
    case Value::Type::Boolean: return v.number != 0 ? "true" : "false";
    case Value::Type::Number:
        if (std::isfinite(v.number) && v.number == std::floor(v.number) && std::fabs(v.number) < 1e15)
            return std::to_string(int64_t(v.number));
        return std::to_string(v.number);
    case Value::Type::Undefined: break;
    }
    return "";
}

bool ToBool(const Value& v) {
    if (v.IsString())
        return !v.text.empty() && v.text != "0";
    return ToNumber(v) != 0;
}

class Machine {
public:
    Machine(std::span<const uint8_t> code, ClipInstance& clip, ActionHost& host)
        : code_(code), clip_(clip), host_(host) {}

    int Run() {
        size_t pc = 0;
        int steps = 0;
        while (pc < code_.size() && steps < kMaxActionSteps) {
            ++steps;
            const uint8_t op = code_[pc++];
            if (op == 0)
                break;
            std::span<const uint8_t> body;
            if (op >= 0x80) {
                if (pc + 2 > code_.size())
                    break;
                const size_t length = size_t(code_[pc] | code_[pc + 1] << 8);
                pc += 2;
                if (length > code_.size() - pc)
                    break;
                body = code_.subspan(pc, length);
                pc += length;
            }
            try {
                if (!Execute(op, body, pc))
                    break;
            } catch (const MovieError&) {
                break; // a damaged record ends the script
            }
        }
        return steps;
    }

private:
    Value Pop() {
        if (stack_.empty())
            return Value::Undefined();
        Value v = std::move(stack_.back());
        stack_.pop_back();
        return v;
    }
    void Push(Value v) {
        if (stack_.size() < kMaxStack)
            stack_.push_back(std::move(v));
    }

    void Goto(const Value& target) {
        if (target.IsString()) {
            const std::string* label = &target.text;
            const int frame = clip_.Timeline().FrameOfLabel(*label);
            if (frame >= 0)
                host_.GotoFrame(clip_, frame);
            else if (!label->empty() && std::isdigit(uint8_t((*label)[0])))
                host_.GotoFrame(clip_, int(ToNumber(target)) - 1);
            return;
        }
        const double n = ToNumber(target);
        if (std::isfinite(n))
            host_.GotoFrame(clip_, int(std::clamp(n, -1.0, 1e6)) - 1);
    }

    void ReadPush(std::span<const uint8_t> body) {
        BitReader r(body);
        while (!r.AtEnd()) {
            const uint8_t type = r.U8();
            switch (type) {
            case 0: Push(Value::String(r.String())); break;
            case 1: {
                const uint32_t bits = r.U32();
                float f;
                std::memcpy(&f, &bits, 4);
                Push(Value::Number(double(f)));
                break;
            }
            case 2:
            case 3: Push(Value::Undefined()); break;
            case 4: r.U8(); Push(Value::Undefined()); break;
            case 5: Push(Value::Boolean(r.U8() != 0)); break;
            case 6: {
                const uint64_t high = r.U32();
                const uint64_t low = r.U32();
                const uint64_t bits = high << 32 | low;
                double d;
                std::memcpy(&d, &bits, 8);
                Push(Value::Number(d));
                break;
            }
            case 7: Push(Value::Number(double(int32_t(r.U32())))); break;
            case 8: PushConstant(r.U8()); break;
            case 9: PushConstant(r.U16()); break;
            default: return;
            }
        }
    }

    void PushConstant(size_t index) {
        Push(index < constants_.size() ? Value::String(constants_[index]) : Value::Undefined());
    }

    // Returns false to end the run.
    bool Execute(uint8_t op, std::span<const uint8_t> body, size_t& pc) {
        switch (op) {
        case 0x04: host_.GotoFrame(clip_, clip_.CurrentFrame() + 1); host_.Stop(clip_); break;
        case 0x05: host_.GotoFrame(clip_, clip_.CurrentFrame() - 1); host_.Stop(clip_); break;
        case 0x06: host_.Play(clip_); break;
        case 0x07: host_.Stop(clip_); break;
        case 0x09: host_.StopSounds(); break;
        case 0x0a:
        case 0x47: {
            const Value b = Pop(), a = Pop();
            if (op == 0x47 && (a.IsString() || b.IsString()))
                Push(Value::String(ToText(a) + ToText(b)));
            else
                Push(Value::Number(ToNumber(a) + ToNumber(b)));
            break;
        }
        case 0x0b: { const double b = ToNumber(Pop()); Push(Value::Number(ToNumber(Pop()) - b)); break; }
        case 0x0c: { const double b = ToNumber(Pop()); Push(Value::Number(ToNumber(Pop()) * b)); break; }
        case 0x0d: { const double b = ToNumber(Pop()); Push(Value::Number(ToNumber(Pop()) / b)); break; }
        case 0x0e:
        case 0x49: { const Value b = Pop(), a = Pop(); Push(Value::Boolean(ToNumber(a) == ToNumber(b) && ToText(a) == ToText(b))); break; }
        case 0x0f:
        case 0x48: { const double b = ToNumber(Pop()); Push(Value::Boolean(ToNumber(Pop()) < b)); break; }
        case 0x10: { const bool b = ToBool(Pop()); Push(Value::Boolean(ToBool(Pop()) && b)); break; }
        case 0x11: { const bool b = ToBool(Pop()); Push(Value::Boolean(ToBool(Pop()) || b)); break; }
        case 0x12: Push(Value::Boolean(!ToBool(Pop()))); break;
        case 0x13: { const std::string b = ToText(Pop()); Push(Value::Boolean(ToText(Pop()) == b)); break; }
        case 0x17: Pop(); break;
        case 0x18: Push(Value::Number(std::trunc(ToNumber(Pop())))); break;
        case 0x21: { const std::string b = ToText(Pop()); Push(Value::String(ToText(Pop()) + b)); break; }
        case 0x4c: { const Value v = Pop(); Push(v); Push(v); break; }
        case 0x4d: { Value b = Pop(), a = Pop(); Push(std::move(b)); Push(std::move(a)); break; }
        case 0x81: {
            BitReader r(body);
            host_.GotoFrame(clip_, r.U16());
            break;
        }
        case 0x83: {
            BitReader r(body);
            const std::string url = r.String();
            const std::string target = r.String();
            host_.GetUrl(url, target);
            break;
        }
        case 0x88: {
            BitReader r(body);
            const uint16_t count = r.U16();
            constants_.clear();
            for (int i = 0; i < count && !r.AtEnd(); ++i)
                constants_.push_back(r.String());
            break;
        }
        case 0x8c: {
            BitReader r(body);
            const int frame = clip_.Timeline().FrameOfLabel(r.String());
            if (frame >= 0)
                host_.GotoFrame(clip_, frame);
            break;
        }
        case 0x96: ReadPush(body); break;
        case 0x99:
        case 0x9d: {
            BitReader r(body);
            const int16_t offset = r.S16();
            if (op == 0x9d && !ToBool(Pop()))
                break;
            const int64_t target = int64_t(pc) + offset;
            if (target < 0 || target > int64_t(code_.size()))
                return false;
            pc = size_t(target);
            break;
        }
        case 0x9a: {
            const std::string target = ToText(Pop());
            const std::string url = ToText(Pop());
            host_.GetUrl(url, target);
            break;
        }
        case 0x9f: {
            BitReader r(body);
            const uint8_t flags = r.U8();
            const int bias = (flags & 2) ? r.U16() : 0;
            Value target = Pop();
            if (bias && target.type == Value::Type::Number)
                target.number += bias;
            Goto(target);
            if (flags & 1)
                host_.Play(clip_);
            else
                host_.Stop(clip_);
            break;
        }
        default: break; // actions a movie of ours never carries do nothing
        }
        return true;
    }

    std::span<const uint8_t> code_;
    ClipInstance& clip_;
    ActionHost& host_;
    std::vector<Value> stack_;
    std::vector<std::string> constants_;
};

} // namespace

int RunActions(std::span<const uint8_t> code, ClipInstance& clip, ActionHost& host) {
    return Machine(code, clip, host).Run();
}

} // namespace player
