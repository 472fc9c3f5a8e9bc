// Runs the Khronos glTF validator on one .glb file; exit 0 when it finds no error and no
// warning, 1 otherwise (the report is printed), 2 when the file cannot be validated.
const fs = require('fs');
const validator = require('gltf-validator');

const file = process.argv[2];
validator.validateBytes(new Uint8Array(fs.readFileSync(file)))
    .then((report) => {
        const issues = report.issues;
        if (issues.numErrors > 0 || issues.numWarnings > 0) {
            console.log(JSON.stringify(issues.messages, null, 1));
            process.exit(1);
        }
        process.exit(0);
    })
    .catch((error) => {
        console.error(error);
        process.exit(2);
    });
