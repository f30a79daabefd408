// Opens a published HTML page in headless Chromium, served over HTTP as a web site would serve
// it, waits for the browser player beside the page to draw the movie, saves a screenshot of it and
// fails unless the picture shows something (more than a handful of colours).
// Usage: node page_check.mjs PAGE.htm OUT.png   (PLAYWRIGHT_CORE: folder of the playwright-core package)
import fs from "node:fs";
import http from "node:http";
import os from "node:os";
import path from "node:path";

const [pageFile, outFile] = process.argv.slice(2);
const { chromium } = await import(path.join(process.env.PLAYWRIGHT_CORE, "index.mjs"));
const root = path.dirname(path.resolve(pageFile));
const types = { ".htm": "text/html", ".js": "text/javascript", ".wasm": "application/wasm", ".swf": "application/x-shockwave-flash" };

const server = http.createServer((request, response) => {
  const file = path.join(root, decodeURIComponent(new URL(request.url, "http://x").pathname));
  if (!file.startsWith(root) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, { "Content-Type": types[path.extname(file)] || "application/octet-stream" });
  fs.createReadStream(file).pipe(response);
});
await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
const profile = fs.mkdtempSync(path.join(os.tmpdir(), "vantora-page-"));
let status = 1;
try {
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-dev-shm-usage",
           "--autoplay-policy=no-user-gesture-required"],
    viewport: { width: 1024, height: 768 },
  });
  const page = context.pages()[0] || (await context.newPage());
  await page.goto(`http://127.0.0.1:${server.address().port}/${path.basename(pageFile)}`);
  // The player replaces the page's OBJECT element with its own, which draws into a canvas.
  const player = await page.waitForSelector("ruffle-object, ruffle-embed", { timeout: 60000 });
  await page.waitForFunction((p) => p.shadowRoot && p.shadowRoot.querySelector("canvas"), player, { timeout: 60000 });
  await page.waitForTimeout(4000);
  const shot = await player.screenshot();
  fs.writeFileSync(outFile, shot);
  const colours = await page.evaluate(async (data) => {
    const image = new Image();
    image.src = `data:image/png;base64,${data}`;
    await image.decode();
    const canvas = document.createElement("canvas");
    canvas.width = image.width;
    canvas.height = image.height;
    const context = canvas.getContext("2d");
    context.drawImage(image, 0, 0);
    const pixels = context.getImageData(0, 0, image.width, image.height).data;
    const seen = new Set();
    for (let i = 0; i < pixels.length; i += 4) seen.add((pixels[i] << 16) | (pixels[i + 1] << 8) | pixels[i + 2]);
    return seen.size;
  }, shot.toString("base64"));
  console.log(`${outFile}: ${colours} colours`);
  status = colours > 16 ? 0 : 1;
  await context.close();
} catch (error) {
  console.error(`page check failed: ${error.message}`);
} finally {
  server.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
process.exit(status);
