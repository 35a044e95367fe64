2
0, span
4, 
2
1, 1, 0, "quoted, with comma"
2, 1, 0, span
2
2E8, 
2E8, 
2
8.5E-6, "quoted, with comma"
0.0004, span
1
1, 2, 1, 2, "quoted, with comma"
0
2
1, -3, 1, 
1, -1, 3, "quoted, with comma"
