3
0, "quoted, with comma"
5, 
9, "quoted, with comma"
2
1, 1, 0, "quoted, with comma"
3, 1, 0, 
1
2E8, 
2
8.5E-6, span
0.0004, span
2
1, 2, 1, 2, span
2
3, 1, 1, x
2
1, 1, -5, 8, 0.5, 0.5, "quoted, with comma"
1, 4, -5, 14, 0.5, 0, "quoted, with comma"
2
1, 4, 1, 
3, -1, 0, 
