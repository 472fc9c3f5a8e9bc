namespace vyr { void sceneStub() {} }
