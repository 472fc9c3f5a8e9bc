namespace vyr { void renderStub() {} }
