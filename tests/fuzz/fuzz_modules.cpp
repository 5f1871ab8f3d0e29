// Every module type's payload codec and reports: decoding what the module encoded gives the
// same values and the same bytes again. The bytes also go in as the module's block of a faults
// record.
#include "fuzzsupport.h"
#include "fuzzvalues.h"

#include <memory>
#include <vector>

namespace {
const std::vector<int> &moduleTypes()
{
    static const std::vector<int> types = [] {
        std::vector<int> found;
        for (int type = 0; type < 256; ++type) {
            if (std::unique_ptr<Modul>(createModule(type, 1)))
                found.push_back(type);
        }
        return found;
    }();
    return types;
}

// Input: the module type (its position in the factory's table, wrapping), the module number,
// then the payload.
void run(const QByteArray &input)
{
    if (input.size() < 2)
        return;
    fuzz::check(moduleTypes().size() == 16, "the factory knows every module type");
    const int type = moduleTypes().at(quint8(input.at(0)) % moduleTypes().size());
    const quint8 number = quint8(input.at(1));
    const QByteArray payload = input.mid(2);
    {
        std::unique_ptr<Modul> module(createModule(type, number));
        module->parse(payload);
        const QByteArray encoded = module->toByteArray();
        std::unique_ptr<Modul> again(createModule(type, number));
        again->parse(encoded);
        fuzz::check(fuzz::valuesOf(again.get()) == fuzz::valuesOf(module.get()),
                    "a module reads back the values it encoded",
                    fuzz::valuesOf(module.get()) + "\n" + fuzz::valuesOf(again.get()));
        fuzz::check(again->toByteArray() == encoded, "a module encodes its values the same way",
                    QByteArray::number(type, 16));
        module->configToHtml();
        module->setFaultBytes(payload);
        module->getFaults();
        module->faultsToHtml();
        for (int code = 0; code < 256; code += 37)
            faultText(type, quint8(code));
    }
}
} // namespace

const fuzz::Target fuzz::target = {"module codecs and reports", run, fuzz::MaxInput};
