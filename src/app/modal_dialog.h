// A sub-dialog model that the shell runs modally on its empty dialog template.
#pragma once

namespace quorvel {

class ModalDialog {
  public:
    virtual ~ModalDialog() = default;
    virtual int templateId() const = 0;
};

}  // namespace quorvel
