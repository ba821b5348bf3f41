// The browser edition's engine against payvanta-calc: for each project file, the results
// and every report page's fields equal what `payvanta-calc --json` writes, byte for byte.
// node engine_parity.cjs WEB_BIN_DIR CALC_PROGRAM DATA_DIR PROJECT...
'use strict';
const fs = require('fs');
const path = require('path');
const { execFileSync } = require('child_process');

const [webBin, calc, dataDir, ...projects] = process.argv.slice(2);
const epoch = '1700000000';
const reports = ['Hoist', 'Trolley', 'Bridge', 'EnergySavings', 'Maintenance', 'Inventory',
    'Savings', 'BusinessCase'];

// A page that shows nothing and answers every question No or Cancel, as payvanta-calc's.
const quietPage = new Proxy({}, {
    get: (_, name) => () => (name === 'askYesNo' ? false : null),
});

function copyFolder(FS, from, to) {
    FS.mkdirTree(to);
    for (const entry of fs.readdirSync(from, { withFileTypes: true })) {
        const source = path.join(from, entry.name);
        if (entry.isDirectory()) {
            copyFolder(FS, source, `${to}/${entry.name}`);
        } else {
            FS.writeFile(`${to}/${entry.name}`, fs.readFileSync(source));
        }
    }
}

async function main() {
    const Payvanta = require(path.resolve(webBin, 'payvanta-web.js'));
    const web = await Payvanta({
        wasmBinary: fs.readFileSync(path.join(webBin, 'payvanta-web.wasm')),
        print: () => {},
        // Both programs date their pages alike.
        preRun: [(module) => { module.ENV.SOURCE_DATE_EPOCH = epoch; }],
    });
    copyFolder(web.FS, dataDir, '/payvanta');
    web.FS.mkdirTree('/projects');
    let failures = 0;
    const compare = (what, got, expected) => {
        if (got !== expected) {
            failures += 1;
            console.error(`DIFFERENT: ${what}\n--- payvanta-calc\n${expected}\n--- browser\n${got}`);
        }
    };
    for (const project of projects) {
        const name = path.basename(project);
        web.FS.writeFile(`/projects/${name}`, fs.readFileSync(project), { flags: 'w+' });
        const calcJson = (args) => execFileSync(calc, ['--locale', 'en_US', ...args, '--json',
            project], { encoding: 'utf8', env: { ...process.env, SOURCE_DATE_EPOCH: epoch } });
        // Each file is opened by a form of its own, as payvanta-calc opens it.
        const form = new web.WebForm(quietPage, '/payvanta');
        form.load();
        if (!form.openProjectFile(`/projects/${name}`)) {
            failures += 1;
            console.error(`NOT OPENED: ${name}`);
            continue;
        }
        compare(`${name} results`, form.resultJson(), calcJson([]));
        for (const report of reports) {
            compare(`${name} ${report}`, form.reportJson(report), calcJson(['--report', report]));
        }
        form.delete();
    }
    console.log(`${projects.length} projects, ${failures} different`);
    process.exit(failures === 0 && projects.length > 0 ? 0 : 1);
}

main().catch((error) => {
    console.error(error);
    process.exit(1);
});
